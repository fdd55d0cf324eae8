// Files the C runtime opens without saying how are opened as bytes, never as text: Windows' text
// mode would turn the CR LF of win.ini into LF on reading and drop a lone CR. Set before main,
// in every program of the Windows build (mingw-w64's binmode.o no longer does it).
#include <fcntl.h>
#include <stdlib.h>

namespace {

const int binaryFiles = (_fmode = _O_BINARY, 0);

} // namespace
