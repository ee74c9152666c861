// The soil database table of the 100 m cells: its literal header line.
#include "app/SoilDbTable.h"

namespace app {

const std::string SoilDbHeaderLine =
    "id100m;soildepth;bd30;som30;lime30;ph30;sand30;silt30;clay30;sat30;fc30;wp30;"
    "bd60;som60;lime60;ph60;sand60;silt60;clay60;sat60;fc60;wp60;"
    "bd100;som100;lime100;ph100;sand100;silt100;clay100;sat100;fc100;wp100;"
    "bd200;som200;lime200;ph200;sand200;silt200;clay200;sat200;fc200;wp200";

}  // namespace app
