// When this client was built, as the version check compares it with the database.
#pragma once

struct BuildStamp {
    int date = 19000101;  // YYYYMMDD
    int time = 0;         // seconds since midnight
};

// Defined by the executable (the compiler's own date and time) or by a test.
BuildStamp compiledBuildStamp();

// "Dec 11 2026" and "12:01:02" as the compiler gives them; unknown parts count as 1 and 1900.
BuildStamp parseBuildStamp(const char* date, const char* time);
