#include <gtest/gtest.h>

#include "app/form1.h"
#include "platform/virtual_platform.h"

TEST(Smoke, Builds) {
  VirtualPlatform platform;
  Form1 form(platform);
  platform.attach(form);
  form.load();
  EXPECT_EQ(form.Announcer.caption, "");
}
