#include "cycle/AtomicFile.h"

#include "cycle/AtomicFileWriter.h"

void writeFileAtomically(const std::string& path, std::string_view bytes, std::string_view failurePattern)
{
    AtomicFileWriter file(path, failurePattern);
    file.write(bytes);
    file.commit();
}
