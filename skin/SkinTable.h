#pragma once

#include <span>
#include <string_view>

// The complete skin: every file under AppDir + "RES\", its size and what it
// is for. The generator writes exactly these files and the tests check the
// written tree against this table.

// How the program uses a file, which fixes what its pixels may hold.
enum class SkinKind {
    Face,   // JPEG face, drawn whole at (0, 0)
    Shape,  // mask: key colour outside, anything else inside
    Opaque, // picture drawn every pixel onto the face
    Keyed,  // picture drawn with the key colour left out
    Panel,  // dialog background: key colour outside the dialog's shape
};

struct SkinFile {
    std::string_view path;    // below RES, '/' separated, exact letter case
    int width;
    int height;
    SkinKind kind;
    std::string_view outline; // mask that gives this picture's shape, or empty
    std::string_view role;
};

// A place on the main face that the program draws at or hit-tests: a
// control, a hot area or a field. Rectangles of controls never overlap.
struct FacePlace {
    std::string_view name;
    int x;
    int y;
    int width;
    int height;
    bool control;             // true for controls, false for display fields
    std::string_view shape;   // mask whose non-key pixels are the place, or
                              // empty for the whole rectangle; a face-sized
                              // mask already carries the place at its spot
    std::string_view picture; // what the lit face shows there, or empty
};

// A picture or hit area on a dialog's panel.
struct DialogPlace {
    std::string_view dialog;  // "store", "entry" or "editor"
    std::string_view name;
    int x;
    int y;
    std::string_view picture; // its size is the place's size
};

inline constexpr int SkinKeyRed = 255;
inline constexpr int SkinKeyGreen = 189;
inline constexpr int SkinKeyBlue = 255;

inline constexpr int FaceWidth = 508;
inline constexpr int FaceHeight = 340;

std::span<const SkinFile> SkinFiles();
const SkinFile* FindSkinFile(std::string_view path);

std::span<const FacePlace> FacePlaces();
std::span<const DialogPlace> DialogPlaces();

// The dialog a panel serves: picture size of the window's background image.
std::string_view PanelOf(std::string_view dialog);
