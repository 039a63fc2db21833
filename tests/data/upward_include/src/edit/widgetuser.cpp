#include "project/projectfile.h"
#include "editor/mainform.h"
