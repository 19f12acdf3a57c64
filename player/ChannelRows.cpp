#include "ChannelRows.h"

ChannelRowPlace ChannelRow(int row)
{
    const bool left = row < 6;
    const int k = left ? row : row - 6;
    const int shift = left ? 0 : 66;
    return {270 + shift, 287 + shift, 271 + shift, 288 + shift, 73 + 15 * k, 74 + 15 * k};
}

bool InChannelRowArea(int row, int x, int y)
{
    const bool left = row < 6;
    const int k = left ? row : row - 6;
    const int low = left ? 269 : 335;
    const int high = left ? 331 : 397;
    return x > low && x < high && y > 72 + 15 * k && y < 84 + 15 * k;
}

int ChannelOfRow(int page, int row)
{
    return (page - 1) * 12 + row + 1;
}
