#pragma once

#include "convert/gif/TBigByteArray.h"

#include <cstddef>
#include <cstdint>

// A matrix of bytes stored row after row in one block; columns and rows are counted from 1.
class TByteArray2D {
public:
    TByteArray2D(std::size_t columns, std::size_t rows);

    std::size_t Columns() const { return columns_; }
    std::size_t Rows() const { return rows_; }

    // Only the linear index c + (r - 1) x columns is checked, as callers of the matrix have always relied on.
    std::uint8_t GetItem(std::size_t column, std::size_t row) const;
    void SetItem(std::size_t column, std::size_t row, std::uint8_t value);

    TBigByteArray GetRow(std::size_t row) const;
    void SetRow(std::size_t row, const TBigByteArray& bytes);

    // Start of row r (1-based) after checking 1 <= r <= rows; throws EIndexOutOfBounds otherwise.
    std::uint8_t* RowData(std::size_t row);
    const std::uint8_t* RowData(std::size_t row) const;

private:
    std::size_t columns_;
    std::size_t rows_;
    TBigByteArray cells_;
};
