#include "convert/gif/TBigByteArray.h"

#include "convert/gif/EIndexOutOfBounds.h"
#include "cycle/ENotEnoughMemory.h"

TBigByteArray::TBigByteArray(std::size_t count)
    : count_(count)
{
    if (count == 0)
        return;
    // calloc rather than new: a huge block comes as untouched zero pages, and failure is a plain null.
    block_.reset(static_cast<std::uint8_t*>(std::calloc(count, 1)));
    if (!block_)
        throw ENotEnoughMemory(count);
}

std::uint8_t TBigByteArray::GetItem(std::size_t i) const
{
    if (i < 1 || i > count_)
        throw EIndexOutOfBounds();
    return block_.get()[i - 1];
}

void TBigByteArray::SetItem(std::size_t i, std::uint8_t value)
{
    if (i < 1 || i > count_)
        throw EIndexOutOfBounds();
    block_.get()[i - 1] = value;
}
