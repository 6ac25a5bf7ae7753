// The control table and the change lists as JSON, for a front end across a language boundary
// (the page reads the table with all else it builds from in one call, and a list per event).
#pragma once

#include <string>

#include "midend/change_list.h"
#include "midend/print_sheet.h"

namespace kalmotre {

// An array of the table's rows, each with its id, objectName and design state.
std::string controlTableJson();

// {"cells":[["5",true],["",false],...],"level":"Level: Schwer","counter":"Freie Felder: 47"}.
std::string printSheetJson(const PrintSheet& sheet);

// Everything a front end across a language boundary builds from, in one text: the names of the
// kinds of event, the control table, the phone arrangement's regions in the keyboard's order,
// the digit pad of a touch screen, the board as a grid for assistive technology, the page's texts
// after "Beenden", and the touch target's size.
std::string setupJson();

// {"changes":[[control,"property",value],...],"focus":id,"select":id,"resume":false,"quit":false,
//  "keyTaken":false,"keyUp":false,"print":false,"open":"address"}; colours are 0xBBGGRR numbers,
//  flags true or false.
std::string changeListJson(const ChangeList& list);

}  // namespace kalmotre
