#pragma once
// Vector pictograms shared by the button pictures, the member icons and the
// category icons. Each is drawn in a square box with an ink colour; paper is
// the colour of the cut-outs (lines on a sheet, the hole of a ring).

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace datagen {

enum class Glyph {
    Play,
    Copy,
    Unpack,
    Folder,
    FolderOpen,
    FolderPlus,
    FolderJump,
    DocSearch,
    Info,
    Gear,
    Power,
    Minimise,
    Home,
    LevelUp,
    Search,
    ChevronLeft,
    ChevronRight,
    ChevronUp,
    ChevronDown,
    Close,
    Check,
    Printer,
    List,
    Star,
    StarPlus,
    StarMinus,
    Picture,
    PicturePlus,
    PictureMinus,
    Program,
    Archive,
    File,
    Help,
    Globe,
    Note,
    TextDoc,
    WordDoc,
    Film,
    Font,
    IconGrid,
    PdfDoc,
    Disc,
    Wrench,
    Gamepad,
    Chip,
    Book,
    Gift,
    Heart,
    Mail,
    Lock,
    Chart,
    Camera,
    Cloud,
    Lightning,
    Trophy,
    Calendar,
    Rocket,
    Person,
    Monitor,
    Speaker,
    Key,
    Flag,
};

// stroke scales the line width (1 = the normal weight for the box size).
void drawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& ink, const QColor& paper,
               double stroke = 1.0);

} // namespace datagen
