#pragma once

#include <memory>

#include "qt/view.h"
#include "support/session.h"

// A run on the virtual platform with the real window's view over it, up to
// date with the program after start-up.
struct Viewed : Session {
  Viewed() { view->sync(); }
  std::unique_ptr<View> view = std::make_unique<View>(form);
};
