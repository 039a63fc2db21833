#include "panels/layers/propertyform.h"

#include "edit/editorstate.h"
#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "model/scene.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace velkon {

namespace {

// The range of the fields that take any whole number.
constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();

// A spin edit whose arrows step by 10 while Shift alone is held.
class TShiftSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    bool ShiftSteps = false;
    QLineEdit* Editor() const { return lineEdit(); }
    void stepBy(int steps) override {
        if (ShiftSteps && QApplication::keyboardModifiers() == Qt::ShiftModifier) steps *= 10;
        QSpinBox::stepBy(steps);
    }
    // A number typed beyond the range becomes the range's end (999 in Alpha
    // is 255), instead of the key that crossed it being dropped (99).
    QValidator::State validate(QString& input, int& pos) const override {
        bool ok = false;
        const qlonglong typed = locale().toLongLong(input.trimmed(), &ok);
        if (ok && (typed > maximum() || typed < minimum())) {
            input = textFromValue(static_cast<int>(std::clamp<qlonglong>(typed, minimum(), maximum())));
            pos = static_cast<int>(input.size());
            return QValidator::Acceptable;
        }
        return QSpinBox::validate(input, pos);
    }
};

// The origin picker: a 3 x 3 grid of targets over the click regions.
QPixmap OrigoPicture() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, 63, 63);
    p.drawLine(16, 0, 16, 63);
    p.drawLine(48, 0, 48, 63);
    p.drawLine(0, 16, 63, 16);
    p.drawLine(0, 48, 63, 48);
    p.setPen(Qt::red);
    for (int x : {7, 32, 56})
        for (int y : {7, 32, 56})
            p.drawEllipse(QPoint(x, y), 3, 3);
    return pixmap;
}

QGroupBox* Box(const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setLayout(new QGridLayout);
    return box;
}

void AddRow(QGroupBox* box, int row, int column, const QString& caption, QWidget* field) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(new QLabel(caption, box), row, column);
    grid->addWidget(field, row, column + 1);
}

QRadioButton* Radio(const QString& name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

TRatioMode ModeOf(QRadioButton* ratio, QRadioButton* inverse) {
    return ratio->isChecked()     ? TRatioMode::Ratio
           : inverse->isChecked() ? TRatioMode::Inverse
                                  : TRatioMode::Normal;
}

} // namespace

TPropertyForm::TPropertyForm(TEditorDocument& document, QWidget* parent)
    : TDockForm(QStringLiteral("PropertyForm"), tr("Tulajdonságok"), parent), document_(document),
      inspector_(document.State) {
    Pages = new QStackedWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    EmptyPage = new QWidget(Pages);
    SinglePage = BuildSinglePage();
    MultiPage = BuildMultiPage();
    Pages->addWidget(EmptyPage);
    Pages->addWidget(SinglePage);
    Pages->addWidget(MultiPage);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(Pages);
    setWidget(scroll);

    connect(&document_, &TEditorDocument::SelectionChanged, this, [this] { Refresh(); });
    connect(&document_, &TEditorDocument::LayersChanged, this, [this] { Refresh(); });
    connect(&document_, &TEditorDocument::ProjectReplaced, this, [this] { Refresh(); });
    // Typed values are refused visibly while the scene plays: the fields are off.
    connect(&document_, &TEditorDocument::EnabledStateChanged, this,
            [this] { Pages->setEnabled(!document_.Playing()); });
    document_.Registry.Command("layers.origin", this, tr("Origó"), OrigoButton->toolTip(),
                               {QKeySequence(Qt::Key_O)}, [this] { OrigoButton->click(); });
    document_.Registry.ShowKeys(OrigoButton, QStringLiteral("layers.origin"));
    Refresh();
}

QSpinBox* TPropertyForm::NumberField(const QString& name, QWidget* parent, bool shiftSteps, int min,
                                     int max) {
    auto* spin = new TShiftSpinBox(parent);
    spin->ShiftSteps = shiftSteps;
    spin->setObjectName(name);
    spin->setRange(min, max);
    spin->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    spin->setMinimumWidth(70);
    // A field that holds no number says so and changes nothing; its line edit
    // also tells of the texts that the spin edit takes as no value at all.
    connect(spin->Editor(), &QLineEdit::textChanged, this, [spin] {
        const bool bad = !ReadInspectorNumber(spin->cleanText());
        spin->setStyleSheet(bad ? QStringLiteral("QSpinBox { background: #ffb0b0; }") : QString());
        spin->setToolTip(bad ? tr("Nem szám! A réteg nem változik.") : QString());
    });
    return spin;
}

QWidget* TPropertyForm::BuildSinglePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("SinglePage"));
    auto* column = new QVBoxLayout(page);

    column->addLayout(BuildNameRows(page));
    column->addWidget(BuildPositionBox(page));
    column->addWidget(BuildOrigoBox(page));

    QGroupBox* rotate = Box(tr("   Rotate   "), page);
    DegSpinEdit = NumberField(QStringLiteral("DegSpinEdit"), rotate, true, lo, hi);
    AddRow(rotate, 0, 0, tr("Deg:"), DegSpinEdit);
    column->addWidget(rotate);

    QGroupBox* drawing = Box(tr("   Drawing   "), page);
    VisibleCheckBox = new QCheckBox(tr("Visible:"), drawing);
    VisibleCheckBox->setObjectName(QStringLiteral("VisibleCheckBox"));
    VisibleCheckBox->setEnabled(false);
    static_cast<QGridLayout*>(drawing->layout())->addWidget(VisibleCheckBox, 0, 0, 1, 2);
    AlphaSpinEdit = NumberField(QStringLiteral("AlphaSpinEdit"), drawing, false, 0, 255);
    AddRow(drawing, 1, 0, tr("Alpha:"), AlphaSpinEdit);
    column->addWidget(drawing);

    QGroupBox* touch = Box(tr("   Touch rect   "), page);
    TouchLSpinEdit = NumberField(QStringLiteral("TouchLSpinEdit"), touch, false, lo, hi);
    TouchTSpinEdit = NumberField(QStringLiteral("TouchTSpinEdit"), touch, false, lo, hi);
    TouchRSpinEdit = NumberField(QStringLiteral("TouchRSpinEdit"), touch, false, lo, hi);
    TouchBSpinEdit = NumberField(QStringLiteral("TouchBSpinEdit"), touch, false, lo, hi);
    AddRow(touch, 0, 0, tr("L:"), TouchLSpinEdit);
    AddRow(touch, 0, 2, tr("T:"), TouchTSpinEdit);
    AddRow(touch, 1, 0, tr("R:"), TouchRSpinEdit);
    AddRow(touch, 1, 2, tr("B:"), TouchBSpinEdit);
    column->addWidget(touch);

    QGroupBox* parentBox = Box(tr("   Szülő objektum   "), page);
    ParentEdit = new QLineEdit(parentBox);
    ParentEdit->setObjectName(QStringLiteral("ParentEdit"));
    ParentEdit->setReadOnly(true);
    parentBox->layout()->addWidget(ParentEdit);
    column->addWidget(parentBox);
    column->addStretch(1);

    ConnectSinglePage();
    return page;
}

QGridLayout* TPropertyForm::BuildNameRows(QWidget* page) {
    auto* names = new QGridLayout;
    NameEdit = new QLineEdit(page);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setReadOnly(true);
    NameButton = new QPushButton(tr("Név megváltoztatása"), page);
    NameButton->setObjectName(QStringLiteral("NameButton"));
    FileNameEdit = new QLineEdit(page);
    FileNameEdit->setObjectName(QStringLiteral("FileNameEdit"));
    FileNameEdit->setReadOnly(true);
    FileNameButton = new QPushButton(tr("Fájlnév megváltoztatása"), page);
    FileNameButton->setObjectName(QStringLiteral("FileNameButton"));
    // The names change only through their buttons: the fields look like the
    // labels they are (no white field to type into), the button beside each.
    for (QLineEdit* field : {NameEdit, FileNameEdit}) {
        field->setFrame(false);
        field->setBackgroundRole(QPalette::Window);
        field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
        field->setFocusPolicy(Qt::ClickFocus); // the text can still be selected and copied
    }
    names->addWidget(new QLabel(tr("Name:"), page), 0, 0);
    names->addWidget(NameEdit, 0, 1);
    names->addWidget(NameButton, 0, 2);
    names->addWidget(new QLabel(tr("FileName:"), page), 1, 0);
    names->addWidget(FileNameEdit, 1, 1);
    names->addWidget(FileNameButton, 1, 2);
    names->setColumnStretch(1, 1);

    return names;
}

QGroupBox* TPropertyForm::BuildPositionBox(QWidget* page) {
    QGroupBox* position = Box(tr("   Position   "), page);
    XSpinEdit = NumberField(QStringLiteral("XSpinEdit"), position, true, lo, hi);
    YSpinEdit = NumberField(QStringLiteral("YSpinEdit"), position, true, lo, hi);
    WSpinEdit = NumberField(QStringLiteral("WSpinEdit"), position, true, lo, hi);
    HSpinEdit = NumberField(QStringLiteral("HSpinEdit"), position, true, lo, hi);
    WPercentSpinEdit = NumberField(QStringLiteral("WPercentSpinEdit"), position, true, lo, hi);
    HPercentSpinEdit = NumberField(QStringLiteral("HPercentSpinEdit"), position, true, lo, hi);
    AddRow(position, 0, 0, tr("X:"), XSpinEdit);
    AddRow(position, 0, 2, tr("Y:"), YSpinEdit);
    AddRow(position, 1, 0, tr("W:"), WSpinEdit);
    AddRow(position, 1, 2, tr("H:"), HSpinEdit);
    AddRow(position, 2, 0, QStringLiteral("%"), WPercentSpinEdit);
    AddRow(position, 2, 2, QStringLiteral("%"), HPercentSpinEdit);
    auto* modes = new QHBoxLayout;
    AranyRadioButton = Radio(QStringLiteral("AranyRadioButton"), tr("Arány"), position);
    InverzRadioButton = Radio(QStringLiteral("InverzRadioButton"), tr("Inverz"), position);
    NormalRadioButton = Radio(QStringLiteral("NormalRadioButton"), tr("Normál"), position);
    AranyRadioButton->setChecked(true);
    for (QRadioButton* r : {AranyRadioButton, InverzRadioButton, NormalRadioButton})
        modes->addWidget(r);
    static_cast<QGridLayout*>(position->layout())->addLayout(modes, 3, 0, 1, 4);
    SetRatioButton = new QPushButton(tr("Beállítja a méretarányt"), position);
    SetRatioButton->setObjectName(QStringLiteral("SetRatioButton"));
    TakeRatioButton = new QPushButton(tr("Felveszi a méretarányt"), position);
    TakeRatioButton->setObjectName(QStringLiteral("TakeRatioButton"));
    static_cast<QGridLayout*>(position->layout())->addWidget(SetRatioButton, 4, 0, 1, 4);
    static_cast<QGridLayout*>(position->layout())->addWidget(TakeRatioButton, 5, 0, 1, 4);

    return position;
}

QGroupBox* TPropertyForm::BuildOrigoBox(QWidget* page) {
    QGroupBox* origo = Box(tr("   Origo   "), page);
    OrigoXSpinEdit = NumberField(QStringLiteral("OrigoXSpinEdit"), origo, true, lo, hi);
    OrigoYSpinEdit = NumberField(QStringLiteral("OrigoYSpinEdit"), origo, true, lo, hi);
    AddRow(origo, 0, 0, tr("X:"), OrigoXSpinEdit);
    AddRow(origo, 1, 0, tr("Y:"), OrigoYSpinEdit);
    OrigoButton = new QPushButton(tr("Origó beállítása"), origo);
    OrigoButton->setObjectName(QStringLiteral("OrigoButton"));
    static_cast<QGridLayout*>(origo->layout())->addWidget(OrigoButton, 2, 0, 1, 2);
    OrigoImage = new QLabel(origo);
    OrigoImage->setObjectName(QStringLiteral("OrigoImage"));
    OrigoImage->setPixmap(OrigoPicture());
    OrigoImage->setFixedSize(64, 64);
    OrigoImage->installEventFilter(this);
    static_cast<QGridLayout*>(origo->layout())->addWidget(OrigoImage, 0, 2, 3, 1);

    return origo;
}

void TPropertyForm::ConnectSinglePage() {
    using F = TInspectorField;
    singleFields_ = {{XSpinEdit, F::X},
                     {YSpinEdit, F::Y},
                     {WSpinEdit, F::W},
                     {HSpinEdit, F::H},
                     {WPercentSpinEdit, F::WPercent},
                     {HPercentSpinEdit, F::HPercent},
                     {OrigoXSpinEdit, F::OrigoX},
                     {OrigoYSpinEdit, F::OrigoY},
                     {DegSpinEdit, F::Deg},
                     {AlphaSpinEdit, F::Alpha},
                     {TouchLSpinEdit, F::TouchL},
                     {TouchTSpinEdit, F::TouchT},
                     {TouchRSpinEdit, F::TouchR},
                     {TouchBSpinEdit, F::TouchB}};
    for (const auto& [spin, field] : singleFields_)
        connect(spin, &QSpinBox::valueChanged, this,
                [this, spin](int value) { SingleFieldChanged(spin, value); });

    for (QRadioButton* r : {AranyRadioButton, InverzRadioButton, NormalRadioButton})
        connect(r, &QRadioButton::toggled, this,
                [this] { inspector_.SingleMode = ModeOf(AranyRadioButton, InverzRadioButton); });
    connect(NameButton, &QPushButton::clicked, this,
            [this] { Run(NameButton, [this] { return inspector_.RenameLayer(document_.Dialogs()); }); });
    connect(FileNameButton, &QPushButton::clicked, this,
            [this] { Run(FileNameButton, [this] { return inspector_.RenameFile(document_.Dialogs()); }); });
    connect(SetRatioButton, &QPushButton::clicked, this,
            [this] { Run(SetRatioButton, [this] { return inspector_.ApplyRatio(); }); });
    connect(TakeRatioButton, &QPushButton::clicked, this, [this] {
        TVelkonApplication::Guard(TakeRatioButton, [this] {
            inspector_.TakeRatio();
            Refresh();
        });
    });
    connect(OrigoButton, &QPushButton::clicked, this,
            [this] { Run(OrigoButton, [this] { return inspector_.OriginFromCommonOrigin(); }); });
}

QWidget* TPropertyForm::BuildMultiPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("MultiPage"));
    auto* column = new QVBoxLayout(page);
    auto* alphaRow = new QHBoxLayout;
    MultiAlphaSpinEdit = NumberField(QStringLiteral("MultiAlphaSpinEdit"), page, false, 0, 255);
    alphaRow->addWidget(new QLabel(tr("Alpha:"), page));
    alphaRow->addWidget(MultiAlphaSpinEdit);
    column->addLayout(alphaRow);
    MultiAlphaTrackBar = new QSlider(Qt::Horizontal, page);
    MultiAlphaTrackBar->setObjectName(QStringLiteral("MultiAlphaTrackBar"));
    MultiAlphaTrackBar->setRange(0, 255);
    MultiAlphaTrackBar->setSingleStep(1);
    column->addWidget(MultiAlphaTrackBar);

    QGroupBox* rotate = Box(tr("   Rotate   "), page);
    MultiDegSpinEdit = NumberField(QStringLiteral("MultiDegSpinEdit"), rotate, false, lo, hi);
    AddRow(rotate, 0, 0, tr("Deg:"), MultiDegSpinEdit);
    column->addWidget(rotate);

    auto* modes = new QHBoxLayout;
    MultiAranyRadioButton = Radio(QStringLiteral("MultiAranyRadioButton"), tr("Arány"), page);
    MultiInverzRadioButton = Radio(QStringLiteral("MultiInverzRadioButton"), tr("Inverz"), page);
    MultiNormalRadioButton = Radio(QStringLiteral("MultiNormalRadioButton"), tr("Normál"), page);
    MultiAranyRadioButton->setChecked(true);
    for (QRadioButton* r : {MultiAranyRadioButton, MultiInverzRadioButton, MultiNormalRadioButton}) {
        modes->addWidget(r);
        connect(r, &QRadioButton::toggled, this,
                [this] { inspector_.MultiMode = ModeOf(MultiAranyRadioButton, MultiInverzRadioButton); });
    }
    column->addLayout(modes);
    auto* percents = new QHBoxLayout;
    MultiWPercentSpinEdit = NumberField(QStringLiteral("MultiWPercentSpinEdit"), page, false, lo, hi);
    MultiHPercentSpinEdit = NumberField(QStringLiteral("MultiHPercentSpinEdit"), page, false, lo, hi);
    MultiWPercentSpinEdit->setValue(100);
    MultiHPercentSpinEdit->setValue(100);
    percents->addWidget(new QLabel(QStringLiteral("%"), page));
    percents->addWidget(MultiWPercentSpinEdit);
    percents->addWidget(new QLabel(QStringLiteral("%"), page));
    percents->addWidget(MultiHPercentSpinEdit);
    column->addLayout(percents);
    column->addStretch(1);

    for (QSpinBox* spin :
         {MultiAlphaSpinEdit, MultiDegSpinEdit, MultiWPercentSpinEdit, MultiHPercentSpinEdit})
        connect(spin, &QSpinBox::valueChanged, this,
                [this, spin](int value) { MultiFieldChanged(spin, value); });
    // The track bar sets the alpha field; the field always moves the bar.
    connect(MultiAlphaTrackBar, &QSlider::valueChanged, this, [this](int value) {
        if (!suppress_) MultiAlphaSpinEdit->setValue(value);
    });
    // Entering the rotation or a percentage takes the layers' places as the base.
    for (QSpinBox* spin : {MultiDegSpinEdit, MultiWPercentSpinEdit, MultiHPercentSpinEdit})
        spin->installEventFilter(this);
    return page;
}

void TPropertyForm::Run(QObject* sender, const std::function<bool()>& operation) {
    TVelkonApplication::Guard(sender, [&] {
        if (operation()) document_.Edited();
        Refresh();
    });
}

void TPropertyForm::SingleFieldChanged(QSpinBox* field, int value) {
    if (suppress_) return;
    const bool sizeFocus = WSpinEdit->hasFocus() || HSpinEdit->hasFocus();
    Run(field, [&] { return inspector_.Edit(singleFields_.at(field), value, sizeFocus); });
}

void TPropertyForm::MultiFieldChanged(QSpinBox* field, int value) {
    if (suppress_) return;
    Run(field, [&] {
        if (field == MultiAlphaSpinEdit) return inspector_.MultiAlpha(value);
        if (field == MultiDegSpinEdit) return inspector_.MultiRotate(value);
        return inspector_.MultiScale(field == MultiWPercentSpinEdit, value);
    });
}

void TPropertyForm::Refresh() {
    inspector_.Refresh();
    const int page = inspector_.Page();
    Pages->setCurrentIndex(page);
    suppress_ = true;
    if (page == 1) {
        const TSingleFields& s = inspector_.Single;
        for (const auto& [spin, field] : singleFields_)
            if (spin->value() != s.Field(field) || !spin->hasAcceptableInput())
                spin->setValue(s.Field(field));
        VisibleCheckBox->setChecked(s.Visible);
        NameEdit->setText(s.Name);
        FileNameEdit->setText(s.FileName);
        ParentEdit->setText(s.Parent);
    } else if (page == 2) {
        const TMultiFields& m = inspector_.Multi;
        MultiAlphaSpinEdit->setEnabled(m.AlphaEnabled);
        MultiAlphaTrackBar->setEnabled(m.AlphaEnabled);
        if (m.AlphaEnabled) MultiAlphaSpinEdit->setValue(m.Alpha);
        MultiAlphaTrackBar->setValue(MultiAlphaSpinEdit->value());
        MultiDegSpinEdit->setValue(m.Deg);
        MultiWPercentSpinEdit->setValue(m.WPercent);
        MultiHPercentSpinEdit->setValue(m.HPercent);
    }
    suppress_ = false;
}

bool TPropertyForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OrigoImage && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        Run(OrigoImage, [&] { return inspector_.PickOrigin(at.x(), at.y()); });
        return true;
    }
    if (event->type() == QEvent::FocusIn &&
        (watched == MultiDegSpinEdit || watched == MultiWPercentSpinEdit ||
         watched == MultiHPercentSpinEdit)) {
        TVelkonApplication::Guard(watched, [this] {
            inspector_.TakeBase();
            Refresh();
        });
    }
    return TDockForm::eventFilter(watched, event);
}

} // namespace velkon
