#include "runtime/menu/qt_bridge.h"

#include <QImageReader>

namespace vistel {

QString fromBytes(std::string_view bytes, tarnic::Codepage cp) {
    const std::u16string text = tarnic::decode(cp, bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromPath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

std::filesystem::path toPath(const QString& s) { return std::filesystem::path(s.toStdString()); }

QColor toQColor(tarnic::Colour c) {
    const tarnic::Rgb rgb = tarnic::colourToRgb(c);
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont toQFont(const FontSpec& spec, QFont base) {
    base.setFamily(QString::fromStdString(spec.face));
    if (spec.size > 0)
        base.setPointSize(spec.size);
    if (spec.bold)
        base.setBold(true);
    if (spec.italic)
        base.setItalic(true);
    if (spec.underline)
        base.setUnderline(true);
    return base;
}

tarnic::Result<QPixmap> loadPicture(const std::filesystem::path& file) {
    QImageReader reader(fromPath(file));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return tarnic::Error{file, "cannot open the picture (" + reader.errorString().toStdString() + ")"};
    return QPixmap::fromImage(image);
}

} // namespace vistel
