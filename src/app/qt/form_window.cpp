#include "app/qt/form_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <cmath>

#include "app/design/tab_order.h"
#include "app/qt/accessible_names.h"
#include "app/qt/image_picture.h"
#include "app/qt/picture_widget.h"
#include "state/picture.h"

namespace plotmere {

namespace {

QFont font(const QStringList& families, double points) {
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    return f;
}

// Each design face first, then the metric-compatible face a Debian machine has
// ("Small Fonts", a plain sans serif, is nearest to Arial's twin).
QFont fontOf(Face face, double scale) {
    switch (face) {
        case Face::Default: break;
        case Face::Arial975: return font({"Arial", "Liberation Sans"}, 9.75 * scale);
        case Face::CourierNew975: return font({"Courier New", "Liberation Mono"}, 9.75 * scale);
        case Face::CourierNew9: return font({"Courier New", "Liberation Mono"}, 9 * scale);
        case Face::SmallFonts675: return font({"Small Fonts", "Liberation Sans"}, 6.75 * scale);
    }
    return font({"Arial", "Liberation Sans"}, 8 * scale);
}

QRect pixels(const TwipRect& r, double scale) {
    return QRect(Pixels(r.left, scale), Pixels(r.top, scale), Pixels(r.width, scale),
                 Pixels(r.height, scale));
}

QWidget* makeSwatch(int color, QWidget* parent) {
    auto* swatch = new QFrame(parent);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ToQColor(QBColor(color)));
    palette.setColor(QPalette::WindowText, Qt::black);  // the border
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
    return swatch;
}

QWidget* makeControl(const ControlDesign& c, QWidget* parent, ImagePicture* picture) {
    const QString caption = c.caption;
    switch (c.kind) {
        case ControlKind::Frame: return new QGroupBox(caption, parent);
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::TextBox: return new QLineEdit(parent);
        case ControlKind::ComboBox: {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);  // the history is the state's to fill
            box->setCompleter(nullptr);                 // what was typed is what runs
            return box;
        }
        case ControlKind::Button: return new QPushButton(caption, parent);
        case ControlKind::CheckBox: return new QCheckBox(caption, parent);
        case ControlKind::OptionButton: return new QRadioButton(caption, parent);
        case ControlKind::Picture: return new PictureWidget(*picture, parent);
        case ControlKind::Swatch: return makeSwatch(c.index, parent);
    }
    return nullptr;
}

// Room for the cursor before the first character and after the last.
constexpr int textMarginTwips = 30;

// The line a box is typed into: the box itself, or a combo box's.
QLineEdit* typedLine(QWidget* control) {
    auto* combo = qobject_cast<QComboBox*>(control);
    return combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
}

// A box too narrow for its text shows the whole text as its tool tip, and
// only then. Qt keeps 2 pixels beside the text within the frame and margins.
void tipWhenCut(QLineEdit* edit) {
    const QMargins margins = edit->textMargins();
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int room = edit->width() - 2 * (frame + 2) - margins.left() - margins.right();
    const bool cut = edit->fontMetrics().horizontalAdvance(edit->text()) > room;
    edit->setToolTip(cut ? edit->text() : QString());
}

}  // namespace

int Pixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / UnitsPerPixel)); }

FormWindow::FormWindow(const FormDesign& design, ImagePicture* picture) : design_(design) {
    setObjectName(design.name);
    build(picture);
    const std::vector<std::size_t> tabs = TabOrder(design);
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(controls_[tabs[i - 1]], controls_[tabs[i]]);
    NameControls(*this, design);
    SetScale(1);
    if (design.firstFocus) findChild<QWidget*>(design.firstFocus)->setFocus();
    if (design.defaultButton) findChild<QPushButton*>(design.defaultButton)->setDefault(true);
}

void FormWindow::build(ImagePicture* picture) {
    for (const ControlDesign& c : design_.controls) {
        QWidget* parent = c.frame ? findChild<QGroupBox*>(c.frame) : static_cast<QWidget*>(this);
        QWidget* control = makeControl(c, parent, picture);
        control->setObjectName(c.name);
        controls_.push_back(control);
        if (c.toolTip) control->setToolTip(c.toolTip);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, edit, [edit] { tipWhenCut(edit); });
        if (c.kind != ControlKind::OptionButton) continue;
        auto* group = findChild<QButtonGroup*>(c.name, Qt::FindDirectChildrenOnly);
        if (!group) {
            group = new QButtonGroup(this);
            group->setObjectName(c.name);
        }
        group->addButton(static_cast<QRadioButton*>(control), c.index);
    }
}

QSize FormWindow::SizeAt(double scale) const {
    return QSize(Pixels(design_.width, scale), Pixels(design_.height, scale));
}

void FormWindow::SetScale(double scale) {
    setFont(fontOf(Face::Default, scale));
    setFixedSize(SizeAt(scale));
    const int margin = Pixels(textMarginTwips, scale);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDesign& c = design_.controls[i];
        controls_[i]->setGeometry(pixels(c.place, scale));
        if (c.face != Face::Default) controls_[i]->setFont(fontOf(c.face, scale));
        if (auto* picture = qobject_cast<PictureWidget*>(controls_[i])) picture->SetViewScale(scale);
        if (QLineEdit* line = typedLine(controls_[i])) line->setTextMargins(margin, 0, margin, 0);
        if (auto* edit = qobject_cast<QLineEdit*>(controls_[i])) tipWhenCut(edit);
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const char* button = nullptr;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: button = design_.defaultButton; break;
        case Qt::Key_Escape: button = design_.cancelButton; break;
        default: break;
    }
    if (button && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        findChild<QPushButton*>(button)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace plotmere
