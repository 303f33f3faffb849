#pragma once
// Tests that need a real X server skip themselves elsewhere.
#include <gtest/gtest.h>

#include <QGuiApplication>

#define VELOMIRA_REQUIRE_X11()                                                 \
  do {                                                                         \
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))              \
      GTEST_SKIP() << "needs an X server";                                     \
  } while (false)
