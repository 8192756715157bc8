#include "shutdown_request.h"

#include "computer_name.h"

namespace {

using Action = ShutdownRequest::Action;

std::optional<Action> actionSwitch(QChar letter) {
  switch (letter.unicode()) {
    case u's':
      return Action::PowerOff;
    case u'g':
    case u'r':
      return Action::Reboot;
    case u'h':
      return Action::Hibernate;
    case u'l':
      return Action::LogOff;
    case u'a':
      return Action::Abort;
    case u'i':
      return Action::RemoteDialog;
    default:
      return std::nullopt;
  }
}

std::optional<qint64> parseDelay(const QString& text) {
  if (text.isEmpty() || text.size() > 12) return std::nullopt;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
  }
  const qint64 seconds = text.toLongLong();
  if (seconds > kLongestDelay) return std::nullopt;
  return seconds;
}

// Collects the switches; the checks that need all of them come after.
class SwitchReader {
 public:
  explicit SwitchReader(const QStringList& arguments) : arguments_(arguments) {}

  std::optional<RequestError> read() {
    while (next_ < arguments_.size()) {
      if (auto error = readOne()) return error;
    }
    return std::nullopt;
  }

  std::optional<Action> action;
  ShutdownRequest request;

 private:
  std::optional<RequestError> readOne() {
    const QString argument = arguments_[next_++];
    const bool isSwitch = argument.size() == 2 && (argument[0] == u'/' || argument[0] == u'-');
    if (!isSwitch) return fail(QStringLiteral("unexpected argument \"%1\"").arg(argument));
    const QChar letter = argument[1].toLower();
    if (const auto named = actionSwitch(letter)) {
      if (action && *action != *named) return fail(QStringLiteral("more than one action given"));
      action = named;
      return std::nullopt;
    }
    switch (letter.unicode()) {
      case u'f':
        request.force = true;
        return std::nullopt;
      case u't':
        return readDelay(argument);
      case u'm':
        return readComputer(argument);
      case u'c':
        return readComment(argument);
      default:
        return fail(QStringLiteral("unknown switch %1").arg(argument));
    }
  }

  std::optional<QString> value() {
    if (next_ >= arguments_.size()) return std::nullopt;
    return arguments_[next_++];
  }

  std::optional<RequestError> readDelay(const QString& name) {
    const auto text = value();
    if (!text) return fail(QStringLiteral("%1 needs a number of seconds").arg(name));
    request.delay = parseDelay(*text);
    if (!request.delay) {
      return fail(QStringLiteral("the delay \"%1\" is not a number of seconds from 0 to %2")
                      .arg(text->left(40))
                      .arg(kLongestDelay));
    }
    return std::nullopt;
  }

  std::optional<RequestError> readComputer(const QString& name) {
    const auto text = value();
    if (!text) return fail(QStringLiteral("%1 needs a computer name").arg(name));
    QString computer = *text;
    if (computer.startsWith(QLatin1String("\\\\"))) computer.remove(0, 2);
    request.computer = computer;
    if (const auto problem = computerNameProblem(computer)) return fail(*problem);
    return std::nullopt;
  }

  std::optional<RequestError> readComment(const QString& name) {
    const auto text = value();
    if (!text) return fail(QStringLiteral("%1 needs a comment").arg(name));
    if (text->size() > kLongestComment) {
      return fail(QStringLiteral("the comment is longer than %1 characters").arg(kLongestComment));
    }
    request.comment = *text;
    return std::nullopt;
  }

  RequestError fail(const QString& reason) const { return {request.computer, reason}; }

  const QStringList& arguments_;
  qsizetype next_ = 0;
};

std::optional<QString> combinationProblem(const ShutdownRequest& request) {
  const bool remote = request.computer.has_value();
  const bool delayed = request.delay.value_or(0) > 0;
  switch (request.action) {
    case Action::Hibernate:
      if (remote) return QStringLiteral("/h works on this computer only");
      if (delayed) return QStringLiteral("/h cannot be delayed");
      break;
    case Action::LogOff:
      if (remote) return QStringLiteral("/l works on this computer only");
      if (delayed) return QStringLiteral("/l cannot be delayed");
      break;
    case Action::Abort:
    case Action::RemoteDialog:
    case Action::PowerOff:
    case Action::Reboot:
      break;
  }
  return std::nullopt;
}

}  // namespace

std::variant<ShutdownRequest, RequestError> parseShutdownSwitches(const QStringList& arguments) {
  SwitchReader reader(arguments);
  if (auto error = reader.read()) return *error;
  if (!reader.action)
    return RequestError{reader.request.computer, QStringLiteral("no action given")};
  reader.request.action = *reader.action;
  if (const auto problem = combinationProblem(reader.request)) {
    return RequestError{reader.request.computer, *problem};
  }
  return std::variant<ShutdownRequest, RequestError>(std::in_place_index<0>,
                                                     std::move(reader.request));
}

qint64 effectiveDelay(const ShutdownRequest& request) {
  const bool waits = request.action == Action::PowerOff || request.action == Action::Reboot;
  return request.delay.value_or(waits ? kDefaultDelay : 0);
}

QString failureLine(const RequestError& error) {
  constexpr qsizetype kShownName = 40;
  QString who = QStringLiteral("this computer");
  if (error.computer) {
    const QString& name = *error.computer;
    who = QStringLiteral("\\\\") +
          (name.size() > kShownName ? name.left(kShownName) + QStringLiteral("...") : name);
  }
  return who + QStringLiteral(": ") + error.reason;
}
