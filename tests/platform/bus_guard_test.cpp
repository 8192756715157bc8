#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "layer_launcher.h"

namespace {

// Puts the variable back as it was when it goes.
class SavedVariable {
 public:
  explicit SavedVariable(const char* name)
      : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
  ~SavedVariable() {
    if (set_)
      qputenv(name_, value_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool set_;
  QByteArray value_;
};

TEST(BusGuard, RefusesToStartTheLayerOnTheMachinesSystemBus) {
  SavedVariable saved("DBUS_SYSTEM_BUS_ADDRESS");
  const char* machineBuses[] = {nullptr, "unix:path=/run/dbus/system_bus_socket",
                                "unix:path=/var/run/dbus/system_bus_socket"};
  for (const char* address : machineBuses) {
    if (address)
      qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    else
      qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    LayerLauncher launcher;
    EXPECT_NONFATAL_FAILURE(launcher.launch("shutdown /s /t 0", WindowStyle::Hidden),
                            "this machine's system bus");
    EXPECT_EQ(launcher.refused, 1);
    EXPECT_TRUE(launcher.launched.isEmpty());
  }
}

TEST(BusGuard, LetsTheLayerStartOnAPrivateBus) {
  PrivateBus bus;
  ASSERT_TRUE(bus.isRunning());
  EXPECT_FALSE(systemBusIsTheMachines());
  LayerLauncher launcher;
  launcher.launch("shutdown /x", WindowStyle::Hidden);  // an unknown switch: acts on nothing
  EXPECT_EQ(launcher.refused, 0);
}

}  // namespace
