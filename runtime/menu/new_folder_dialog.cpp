#include "runtime/menu/new_folder_dialog.h"

#include "runtime/menu/copy_job.h"
#include "runtime/menu/image_button.h"
#include "runtime/menu/qt_bridge.h"

#include <QLineEdit>
#include <QPainter>

namespace vistel {

Tddform::Tddform(const DialogContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ctx(context) {
    setObjectName(QStringLiteral("Tddform"));
    setFixedSize(185, 90);
    setModal(true);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setGeometry(16, 16, 150, 17);
    m_edit->setFrame(false);
    auto* ok = new ImageButton(this);
    ok->setObjectName(QStringLiteral("okbtn"));
    ok->setGeometry(15, 45, 75, 30);
    auto* cancel = new ImageButton(this);
    cancel->setObjectName(QStringLiteral("cancelbtn"));
    cancel->setGeometry(95, 45, 75, 30);
    connect(ok, &QAbstractButton::clicked, this, &Tddform::okbtnClick);
    connect(cancel, &QAbstractButton::clicked, this, &Tddform::cancelbtnClick);
    // Enter behaves as OK, without the click sound of the button.
    connect(m_edit, &QLineEdit::returnPressed, this, &Tddform::createFolder);
    applySkin();
}

void Tddform::applySkin() {
    m_background = m_ctx.skinPicture("mkdir_skin.jpg");
    m_ctx.skinButton(findChild<ImageButton*>(QStringLiteral("okbtn")), "mkdir_ok");
    m_ctx.skinButton(findChild<ImageButton*>(QStringLiteral("cancelbtn")), "mkdir_cancel");
    applyEditStyle(m_edit, m_ctx.design.editmkdir);
    setWindowTitle(m_ctx.lang("Forms", "4"));
    findChild<ImageButton*>(QStringLiteral("okbtn"))->setToolTip(m_ctx.lang("Hints", "36"));
    findChild<ImageButton*>(QStringLiteral("cancelbtn"))->setToolTip(m_ctx.lang("Hints", "37"));
}

void Tddform::showEvent(QShowEvent* event) {
    m_edit->clear();
    m_edit->setFocus();
    if (parentWidget()) {
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    QDialog::showEvent(event);
}

void Tddform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), palette().window());
}

void Tddform::okbtnClick() {
    m_ctx.sound(3);
    createFolder();
}

void Tddform::createFolder() {
    const NewFolderResult r = makeNewFolder(m_folder, toPath(m_edit->text()).string());
    switch (r.outcome) {
    case NewFolderOutcome::Created:
        m_created = r.path;
        accept();
        break;
    case NewFolderOutcome::Failed:
        m_ctx.show(this, QString::fromStdString(r.message));
        break;
    case NewFolderOutcome::EmptyName:
    case NewFolderOutcome::Exists:
        break;
    }
}

void Tddform::cancelbtnClick() {
    m_ctx.sound(3);
    reject();
}

} // namespace vistel
