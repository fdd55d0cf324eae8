#include "convert/gif/TByteArray2D.h"

#include "convert/gif/EIndexOutOfBounds.h"
#include "cycle/ENotEnoughMemory.h"
#include "cycle/Exception.h"

#include <cstring>
#include <limits>

namespace {
std::size_t cellCount(std::size_t columns, std::size_t rows)
{
    if (rows != 0 && columns > std::numeric_limits<std::size_t>::max() / rows)
        throw ENotEnoughMemory(std::numeric_limits<std::size_t>::max());
    return columns * rows;
}
} // namespace

TByteArray2D::TByteArray2D(std::size_t columns, std::size_t rows)
    : columns_(columns)
    , rows_(rows)
    , cells_(cellCount(columns, rows))
{
}

std::uint8_t TByteArray2D::GetItem(std::size_t column, std::size_t row) const
{
    return cells_.GetItem(column + (row - 1) * columns_);
}

void TByteArray2D::SetItem(std::size_t column, std::size_t row, std::uint8_t value)
{
    cells_.SetItem(column + (row - 1) * columns_, value);
}

TBigByteArray TByteArray2D::GetRow(std::size_t row) const
{
    const std::uint8_t* source = RowData(row);
    TBigByteArray bytes(columns_);
    if (columns_ > 0)
        std::memcpy(bytes.Data(), source, columns_);
    return bytes;
}

void TByteArray2D::SetRow(std::size_t row, const TBigByteArray& bytes)
{
    std::uint8_t* target = RowData(row);
    if (bytes.Count() != columns_)
        throw Exception("Row doesn't have equal number of elements as Matrix row");
    if (columns_ > 0)
        std::memcpy(target, bytes.Data(), columns_);
}

std::uint8_t* TByteArray2D::RowData(std::size_t row)
{
    if (row < 1 || row > rows_)
        throw EIndexOutOfBounds();
    return cells_.Data() + (row - 1) * columns_;
}

const std::uint8_t* TByteArray2D::RowData(std::size_t row) const
{
    if (row < 1 || row > rows_)
        throw EIndexOutOfBounds();
    return cells_.Data() + (row - 1) * columns_;
}
