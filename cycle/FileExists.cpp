#include "cycle/FileExists.h"

#include <sys/stat.h>

bool fileExists(const std::string& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}
