// A container shown or hidden as a whole (the search bar).
#pragma once

#include "ui/Control.h"

namespace ringlook::ui {

class Panel : public Control {};

}  // namespace ringlook::ui
