#include "buildinfo.h"

BuildStamp compiledBuildStamp() { return parseBuildStamp(__DATE__, __TIME__); }
