// The bar as Windows sees it: a tool window without taskbar button, the application icon,
// and the program file's icon and version resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/main_bar.h"
#include "reg_tool.h"
#include "settings/settings_location.h"

namespace {

std::wstring programPath() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/ol-haltdeck.exe"))
      .toStdWString();
}

QString versionString(const std::vector<char>& block, const wchar_t* name) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  void* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), path.c_str(), &text, &length) || length == 0) return {};
  return QString::fromWCharArray(static_cast<const wchar_t*>(text), length - 1);
}

class BarWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { reg_tool::deleteKey(key); }
  void TearDown() override { reg_tool::deleteKey(key); }

  const QString key =
      reg_tool::sectionKey(settingsSectionFor(QCoreApplication::applicationFilePath()));
};

TEST_F(BarWindowTest, IsAToolWindowWithoutTaskbarButtonNorMinimiseOrMaximiseBox) {
  Application application;
  MainBar& bar = application.bar();
  bar.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  const HWND window = reinterpret_cast<HWND>(bar.winId());

  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  EXPECT_EQ(QString::fromWCharArray(title), QStringLiteral("OL-HALTDECK"));
  const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
  EXPECT_TRUE(extended & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(extended & WS_EX_APPWINDOW);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0) |
                SendMessageW(window, WM_GETICON, ICON_BIG, 0),
            0);
  bar.close();
}

TEST_F(BarWindowTest, ProgramFileCarriesTheIconAndTheVersionResource) {
  const std::wstring path = programPath();
  EXPECT_GE(ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0), 1u);

  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  EXPECT_EQ(versionString(block, L"ProductName"), QStringLiteral("OL-HALTDECK"));
  EXPECT_EQ(versionString(block, L"OriginalFilename"), QStringLiteral("ol-haltdeck.exe"));
  EXPECT_EQ(versionString(block, L"CompanyName"), QStringLiteral("OAK-LANTERN"));

  void* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &fixed, &length));
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  const QString version = QStringLiteral("%1.%2.%3")
                              .arg(HIWORD(info->dwFileVersionMS))
                              .arg(LOWORD(info->dwFileVersionMS))
                              .arg(HIWORD(info->dwFileVersionLS));
  EXPECT_EQ(version, QStringLiteral(HALTDECK_PROJECT_VERSION));
}

}  // namespace
