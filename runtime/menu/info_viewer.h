#pragma once
// The info viewer (TInfoform): an NFO text in code page 437, white on navy
// in a monospace font, or an info text (RTF shown formatted) black on white.

#include "shared/codepage.h"

#include <QDialog>

#include <filesystem>

class QTextEdit;

namespace vistel {

class TInfoform final : public QDialog {
    Q_OBJECT
public:
    explicit TInfoform(QWidget* parent = nullptr);
    // Loads the file in the given style and sizes the window to it; false
    // (with the error in errorText) when the file cannot be read.
    bool loadFile(const std::filesystem::path& file, bool nfoStyle, tarnic::Codepage textCodepage);
    [[nodiscard]] QString errorText() const { return m_error; }
    [[nodiscard]] QTextEdit* nfoView() const { return m_nfo; }
    [[nodiscard]] QTextEdit* textView() const { return m_text; }

private:
    QTextEdit* m_nfo;
    QTextEdit* m_text;
    QString m_error;
};

} // namespace vistel
