#include "cycle/AtomicFileWriter.h"
#include "cycle/FileWriteAll.h"

// How the pieces reach the temporary file, the same on every platform.

void AtomicFileWriter::flush()
{
    if (!writeAll(m_file.get(), m_buffer))
        fail();
    m_buffer.clear();
}

void AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_file.isOpen())
        fail();
    m_synced = false;
    // Written in place, the target is touched only once everything is there.
    if (m_mode == Mode::InPlace || m_buffer.size() + bytes.size() <= bufferSize) {
        m_buffer += bytes;
        return;
    }
    flush();
    if (bytes.size() < bufferSize)
        m_buffer += bytes;
    else if (!writeAll(m_file.get(), bytes))
        fail();
}
