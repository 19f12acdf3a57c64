#pragma once

// Where the twelve rows of the channel list lie on the face: rows 0 to 5
// form the left column, 6 to 11 the right one, 15 pixels apart.
struct ChannelRowPlace {
    int indexX;     // number background (index.bmp) and number text - 1
    int pictureX;   // frequency background (channel.bmp, channel_o/_d.bmp)
    int numberX;    // channel number, 2 small cells
    int textX;      // frequency text, 6 small cells
    int pictureY;   // top of both backgrounds
    int textY;      // top of the digit cells
};

ChannelRowPlace ChannelRow(int row);

// The row's hit area, bounds exclusive.
bool InChannelRowArea(int row, int x, int y);

// The channel a row shows on a page (both 1-based).
int ChannelOfRow(int page, int row);
