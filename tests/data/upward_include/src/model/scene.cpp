#include "model/scene.h"
#include "engine/sounds.h"
