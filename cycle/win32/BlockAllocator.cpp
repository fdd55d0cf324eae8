#include "cycle/BlockAllocator.h"

// Windows gives large pages only to processes holding a privilege the user rarely has, and
// commits pages on first touch without being asked: both pieces of advice are left out.

void adviseLargePages(void*, std::size_t)
{
}

void preparePages(void*, std::size_t)
{
}
