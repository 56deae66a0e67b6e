#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

// Home, trash and settings live in a folder of the test run, never in the user's own.
int main(int argc, char** argv) {
  QTemporaryDir thuis;
  if (!thuis.isValid()) return 1;
  qputenv("HOME", thuis.path().toLocal8Bit());
  qputenv("XDG_DATA_HOME", (thuis.path() + "/data").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (thuis.path() + "/config").toLocal8Bit());
  QDir(thuis.path()).mkpath("data");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
