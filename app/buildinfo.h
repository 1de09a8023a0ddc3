// When this client was built, as the version check compares it with the database.
#pragma once

struct BuildStamp {
    int date = 19000101;  // YYYYMMDD
    int time = 0;         // seconds since midnight
};

// Defined by the executable (the time of the commit it was built from) or by a test.
BuildStamp compiledBuildStamp();
