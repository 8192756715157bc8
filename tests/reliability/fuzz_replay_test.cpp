// Every seed and every kept regression input of the fuzz targets, run through the same
// checks the targets make, in the ordinary test suite (no fuzzer needed).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include "qt_printers.h"

#include "fuzz_checks.h"

namespace {

using Check = std::string (*)(const uint8_t*, size_t);

struct Target {
  const char* name;
  Check check;
};

const Target kTargets[] = {
    {"countdown_text", checkCountdownText},
    {"command_line_split", checkCommandLineSplit},
    {"stored_values", checkStoredValues},
};

TEST(FuzzReplay, SeedsAndRegressionsPassEveryCheck) {
  int inputs = 0;
  for (const Target& target : kTargets) {
    for (const char* kind : {"corpus", "regressions"}) {
      const QDir folder(QStringLiteral(HALTDECK_FUZZ_DIR "/%1/%2").arg(kind, target.name));
      for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray input = file.readAll();
        EXPECT_EQ(
            target.check(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())),
            std::string())
            << kind << '/' << target.name << '/' << name.toStdString();
        ++inputs;
      }
    }
  }
  EXPECT_GT(inputs, 30);
  std::printf("fuzz replay: %d kept inputs passed every check\n", inputs);
}

}  // namespace
