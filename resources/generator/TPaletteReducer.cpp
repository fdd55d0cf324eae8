#include "TPaletteReducer.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Entry {
    QRgb colour;
    int count;
};

struct Box {
    std::vector<Entry> entries;
    int channel = 0;
    int range = 0;
    long long weight = 0;

    void measure()
    {
        std::array<int, 3> low { 255, 255, 255 }, high { 0, 0, 0 };
        weight = 0;
        for (const Entry& e : entries) {
            std::array<int, 3> v { qRed(e.colour), qGreen(e.colour), qBlue(e.colour) };
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], v[c]);
                high[c] = std::max(high[c], v[c]);
            }
            weight += e.count;
        }
        range = -1;
        for (int c = 0; c < 3; ++c)
            if (high[c] - low[c] > range) {
                range = high[c] - low[c];
                channel = c;
            }
    }

    QRgb average() const
    {
        double r = 0, g = 0, b = 0;
        for (const Entry& e : entries) {
            r += qRed(e.colour) * double(e.count);
            g += qGreen(e.colour) * double(e.count);
            b += qBlue(e.colour) * double(e.count);
        }
        double w = std::max<long long>(weight, 1);
        return qRgb(int(r / w + 0.5), int(g / w + 0.5), int(b / w + 0.5));
    }
};

int channelOf(QRgb colour, int channel)
{
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

int distance(QRgb a, QRgb b)
{
    int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

QImage reduceColours(const QImage& source, int count)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> histogram;
    bool transparent = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128)
                transparent = true;
            else
                ++histogram[p | 0xff000000u];
        }
    int colours = count - (transparent ? 1 : 0);

    // The hash's order changes from run to run; the palette must not.
    std::vector<Box> boxes(1);
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        boxes[0].entries.push_back({ it.key(), it.value() });
    std::sort(boxes[0].entries.begin(), boxes[0].entries.end(),
        [](const Entry& a, const Entry& b) { return a.colour < b.colour; });
    boxes[0].measure();
    while (int(boxes.size()) < colours) {
        // Split the box that matters most: wide in colour and much used.
        auto pick = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return (a.entries.size() > 1 ? double(a.range) * std::sqrt(double(a.weight)) : -1.0)
                < (b.entries.size() > 1 ? double(b.range) * std::sqrt(double(b.weight)) : -1.0);
        });
        if (pick->entries.size() < 2)
            break;
        Box& box = *pick;
        int channel = box.channel;
        std::sort(box.entries.begin(), box.entries.end(), [channel](const Entry& a, const Entry& b) {
            int ca = channelOf(a.colour, channel), cb = channelOf(b.colour, channel);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        long long half = box.weight / 2, running = 0;
        size_t cut = 1;
        for (; cut < box.entries.size(); ++cut) {
            running += box.entries[cut - 1].count;
            if (running >= half)
                break;
        }
        cut = std::clamp<size_t>(cut, 1, box.entries.size() - 1);
        Box other;
        other.entries.assign(box.entries.begin() + long(cut), box.entries.end());
        box.entries.resize(cut);
        box.measure();
        other.measure();
        boxes.push_back(std::move(other));
    }

    QList<QRgb> table;
    for (const Box& box : boxes)
        if (!box.entries.empty())
            table.push_back(box.average());
    int transparentIndex = -1;
    if (transparent) {
        transparentIndex = int(table.size());
        table.push_back(qRgba(0, 0, 0, 0));
    }

    QImage result(image.size(), QImage::Format_Indexed8);
    // The bitmap writer copies whole scan lines, padding included, and fill() leaves the padding.
    std::memset(result.bits(), 0, size_t(result.sizeInBytes()));
    result.setColorTable(table);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = result.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128) {
                line[x] = uchar(transparentIndex);
                continue;
            }
            p |= 0xff000000u;
            auto found = nearest.find(p);
            if (found == nearest.end()) {
                int best = 0;
                for (int i = 1; i < int(table.size()); ++i)
                    if (i != transparentIndex && distance(p, table[i]) < distance(p, table[best]))
                        best = i;
                found = nearest.insert(p, best);
            }
            line[x] = uchar(found.value());
        }
    }
    return result;
}
