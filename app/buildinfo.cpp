#include "buildinfo.h"

#include "zorna_buildstamp.h"

BuildStamp compiledBuildStamp() { return BuildStamp{ZORNA_BUILD_DATE, ZORNA_BUILD_TIME}; }
