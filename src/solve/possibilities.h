// The help area's answer to "where can this digit still go?", painted into the cell backgrounds.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// Base colouring (empty yellow, filled white), then every cell in reach of a cell holding `digit`
// grey: mid grey when empty, light grey when filled. 0, or a digit nobody holds, shows the base.
void showPossibilities(FormState& form, int digit);

}  // namespace kalmotre
