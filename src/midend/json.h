// The control table and the change lists as JSON, for a front end across a language boundary
// (the page reads both from the WebAssembly module in one call each).
#pragma once

#include <string>

#include "midend/change_list.h"
#include "midend/print_sheet.h"

namespace kalmotre {

// An array of the table's rows, each with its id, objectName and design state.
std::string controlTableJson();

// {"cells":[["5",true],["",false],...],"level":"Level: Schwer","counter":"Freie Felder: 47"}.
std::string printSheetJson(const PrintSheet& sheet);

// {"name":"Ziffern","region":"pad","buttons":["1",...,"9","Löschen"]}: the digit pad of a touch
// screen, and the phone arrangement's region it takes.
std::string digitPadJson();

// {"name":"Spielfeld","size":9}: the board as a grid of rows of cells, for assistive technology.
std::string boardJson();

// {"ended":"KALMOTRE ist beendet.","startAgain":"KALMOTRE neu starten"}: the page after
// "Beenden", where the browser keeps the tab open.
std::string pageTextsJson();

// ["menu","commands",...]: the phone arrangement's regions in the keyboard's order.
std::string phoneRegionsJson();

// {"changes":[[control,"property",value],...],"focus":id,"resume":false,"quit":false,
//  "keyTaken":false,"keyUp":false,"print":false,"open":"address"}; colours are 0xBBGGRR numbers,
//  flags true or false.
std::string changeListJson(const ChangeList& list);

}  // namespace kalmotre
