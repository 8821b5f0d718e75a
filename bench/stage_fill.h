// The largest stage the model allows, for the benchmarks.
#pragma once

#include "model/stage.h"

// Makes s kStageMaxSide blocks square with an object in every cell of every
// layer: characters carry a flow with commands, items an effect list, blocks
// an appearance condition.
void FillLargestStage(cEdStage& s);
