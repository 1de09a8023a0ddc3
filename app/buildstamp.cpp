#include "buildinfo.h"

#include <cstdio>
#include <cstring>

BuildStamp parseBuildStamp(const char* date, const char* time) {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 1, day = 1, year = 1900;
    char mon[4] = {};
    int d = 0, y = 0;
    if (date && std::sscanf(date, "%3s %d %d", mon, &d, &y) == 3) {
        for (int i = 0; i < 12; ++i)
            if (std::strcmp(mon, months[i]) == 0) month = i + 1;
        day = d;
        year = y;
    }
    int h = 0, m = 0, s = 0;
    if (!time || std::sscanf(time, "%d:%d:%d", &h, &m, &s) != 3) h = m = s = 0;
    return BuildStamp{year * 10000 + month * 100 + day, h * 3600 + m * 60 + s};
}
