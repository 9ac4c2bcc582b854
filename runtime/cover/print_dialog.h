#pragma once
// The cover print dialog (Tprintdlgform) and the content list window
// (Tcontentform). Texts, styles, pictures and the content list live as long
// as the dialog (one run of the menu); nothing is written to disk.

#include "runtime/cover/cover_layout.h"
#include "runtime/menu/dialog_context.h"

#include <QDialog>

class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QTextEdit;

namespace vistel {

class ImageButton;

class Tcontentform final : public QDialog {
    Q_OBJECT
public:
    Tcontentform(const DialogContext& context, QWidget* parent = nullptr);
    void applySkin();
    [[nodiscard]] QTextEdit* memo() const { return m_memo; }
    [[nodiscard]] std::vector<std::string> lines() const; // UTF-8
    void setLines(const std::vector<std::string>& lines);
    void setCdName(const QString& name) { m_cdName = name; }
    // Prints the list with its document title onto printer.
    void printContent(QPrinter* printer) const;

public Q_SLOTS:
    void printClick();
    void cancelClick();

private:
    const DialogContext& m_ctx;
    QTextEdit* m_memo;
    ImageButton *m_print, *m_cancel;
    QString m_cdName;
};

class Tprintdlgform final : public QDialog {
    Q_OBJECT
public:
    Tprintdlgform(const DialogContext& context, QWidget* parent = nullptr);
    void applySkin();
    // cdTitle: the CD name the menu read at start.
    void prepare(const QString& cdTitle);
    void run(const QString& cdTitle);

    [[nodiscard]] cover::CoverContent content() const;
    [[nodiscard]] const cover::CoverStyles& styles() const { return m_styles; }
    [[nodiscard]] std::vector<cover::Primitive> page() const;
    // Draws the page onto printer (the preview's paint request).
    void renderTo(QPrinter* printer);
    [[nodiscard]] Tcontentform* contentForm() const { return m_content; }
    void setBackgroundFile(const std::filesystem::path& f) { m_background = f; }
    void setLogoFile(const std::filesystem::path& f) { m_logo = f; }

    // Element styling (typesel) and its choosers.
    void selectElement(int index);
    [[nodiscard]] tarnic::Colour chooserColour(const char* name) const;
    void setChooserColour(const char* name, tarnic::Colour colour);

public Q_SLOTS:
    void printcoverClick();
    void cancelClick();
    void backloadClick();
    void backclearClick();
    void logoloadClick();
    void logoclearClick();
    void contentviewClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyChoosers();
    QLineEdit* field(const char* name, int top);
    QComboBox* colourChooser(const char* name, int top);
    std::filesystem::path choosePicture();

    const DialogContext& m_ctx;
    QPixmap m_background_picture;
    QLineEdit *m_cdname, *m_cdnr, *m_cddate;
    QComboBox *m_typesel, *m_box, *m_frame, *m_fontColour, *m_fontSize, *m_zentLogo;
    QFontComboBox* m_fontName;
    std::vector<QLabel*> m_labels;
    Tcontentform* m_content;
    cover::CoverStyles m_styles;
    std::filesystem::path m_background, m_logo;
    bool m_loading = false;
    bool m_contentFilled = false;
};

} // namespace vistel
