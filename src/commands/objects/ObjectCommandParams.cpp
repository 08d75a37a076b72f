#include "commands/objects/ObjectCommandParams.h"

#include "commands/objectparams/ObjectGeometryText.h"
#include "script/ActionEvaluator.h"
#include "script/Vars.h"

namespace orv {

int CoordinateParam(TActionEval& eval, int n) { return ReadCoordinate(eval.Param(n), eval.Vars().DecimalSymbol()); }

int SizeParam(TActionEval& eval, int n) { return ReadObjectSize(eval.Param(n), eval.Vars().DecimalSymbol()); }

}  // namespace orv
