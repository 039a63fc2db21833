#include "panels/animation/easeform.h"

#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "model/commanditem.h"
#include "model/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkon {

namespace {

// Rows of the four handles below the plot, and of the test ball.
constexpr int HandleTop[4] = {310, 330, 350, 370};
constexpr int BallTop = 400;

} // namespace

TEaseForm::TEaseForm(TEditorDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("EaseForm"));
    setWindowTitle(tr("Idő módosító"));
    setFixedSize(640, 460);

    for (int i = 0; i < 4; ++i) {
        Panel[i] = new QLabel(QString::number(i + 1), this);
        Panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        Panel[i]->setFixedSize(16, 16);
        Panel[i]->setAlignment(Qt::AlignCenter);
        Panel[i]->setFrameShape(QFrame::Panel);
        Panel[i]->setFrameShadow(QFrame::Raised);
        Panel[i]->setAutoFillBackground(true);
        Panel[i]->setCursor(Qt::SizeHorCursor);
        Panel[i]->installEventFilter(this);
    }
    Panel51 = new QLabel(this);
    Panel51->setObjectName(QStringLiteral("Panel51"));
    Panel51->setGeometry(100, BallTop, 241, 41);
    Panel51->setFrameShape(QFrame::StyledPanel);
    Panel5 = new QLabel(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setGeometry(100, BallTop, 41, 41);
    Panel5->setStyleSheet(QStringLiteral("background: #d04040; border-radius: 20px;"));

    auto* side = new QWidget(this);
    side->setGeometry(360, 8, 272, 444);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    column->addWidget(new QLabel(tr("Duration:"), side));
    Edit2 = new QLineEdit(side);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    column->addWidget(Edit2);

    auto* effect = new QGroupBox(tr("Effekt"), side);
    effect->setObjectName(QStringLiteral("RadioGroup1"));
    auto* effectRows = new QHBoxLayout(effect);
    RadioGroup1 = new QButtonGroup(this);
    const char* effects[3] = {QT_TR_NOOP("In"), QT_TR_NOOP("Out"), QT_TR_NOOP("In/Out")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(tr(effects[i]), effect);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        RadioGroup1->addButton(radio, i);
        effectRows->addWidget(radio);
    }
    column->addWidget(effect);

    auto* affects = new QGroupBox(tr("Mire hasson?"), side);
    auto* grid = new QGridLayout(affects);
    const char* properties[6] = {QT_TR_NOOP("Left"),   QT_TR_NOOP("Top"),   QT_TR_NOOP("Width"),
                                 QT_TR_NOOP("Height"), QT_TR_NOOP("Angle"), QT_TR_NOOP("Aplha")};
    for (int i = 0; i < 6; ++i) {
        CheckBox[i] = new QCheckBox(tr(properties[i]), affects);
        CheckBox[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(CheckBox[i], i / 3, i % 3);
    }
    column->addWidget(affects);

    ComboBox1 = new QComboBox(side);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const TEasePreset& preset : EasePresets())
        ComboBox1->addItem(QString::fromLatin1(preset.Name));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setPlaceholderText(tr("Preset"));
    column->addWidget(ComboBox1);

    Edit1 = new QLineEdit(side);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    column->addWidget(Edit1);

    Button2 = new QPushButton(tr("Teszt"), side);
    Button2->setObjectName(QStringLiteral("Button2"));
    column->addWidget(Button2);
    column->addStretch(1);

    auto* buttons = new QHBoxLayout;
    OkBitBtn = new QPushButton(tr("Tárol"), side);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    BitBtn2 = new QPushButton(tr("Cancel"), side);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(OkBitBtn);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int id) {
        TVelkonApplication::Guard(RadioGroup1, [&] {
            design_.Effect = id;
            Recompute();
        });
    });
    for (int i = 0; i < 6; ++i)
        connect(CheckBox[i], &QCheckBox::toggled, this, [this, i](bool on) {
            TVelkonApplication::Guard(CheckBox[i], [&] { design_.Properties[i] = on; });
        });
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { TVelkonApplication::Guard(ComboBox1, [&] { ComboBox1Change(index); }); });
    connect(Edit2, &QLineEdit::textEdited, this, [this](const QString& text) {
        TVelkonApplication::Guard(Edit2, [&] { design_.Duration = text; });
    });
    connect(Button2, &QPushButton::clicked, this,
            [this] { TVelkonApplication::Guard(Button2, [&] { Button2Click(); }); });
    connect(&Timer1, &QTimer::timeout, this,
            [this] { TVelkonApplication::Guard(&Timer1, [&] { Timer1Timer(); }); });
    connect(OkBitBtn, &QPushButton::clicked, this,
            [this] { TVelkonApplication::Guard(OkBitBtn, [&] { OkBitBtnClick(); }); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { TVelkonApplication::Guard(BitBtn2, [&] { reject(); }); });

    // The handles and the ball stay above the controls they may be dragged over.
    for (QLabel* handle : Panel)
        handle->raise();
    Panel5->raise();
    ShowDesign();
}

bool TEaseForm::Execute(TImagesItem&, TCommandItem& command) {
    design_ = TEaseDesign{};
    design_.Load(command);
    ShowDesign();
    const bool ok = exec() == QDialog::Accepted;
    Timer1.stop();
    return ok && StoreEase(document_.State, design_, command);
}

void TEaseForm::ShowDesign() {
    Edit2->setText(design_.Duration);
    if (QAbstractButton* radio = RadioGroup1->button(design_.Effect)) radio->setChecked(true);
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker block(CheckBox[i]);
        CheckBox[i]->setChecked(design_.Properties[i]);
    }
    PlaceHandles();
    Recompute();
}

void TEaseForm::PlaceHandles() {
    for (int i = 0; i < 4; ++i)
        Panel[i]->move(design_.Handles[i], HandleTop[i]);
}

void TEaseForm::Recompute() {
    Edit1->setText(design_.CoefficientText());
    update(QRect(0, 0, 301, 301));
}

void TEaseForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, 300, 300), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(QRect(100, 100, 100, 100));
    painter.setPen(QPen(Qt::black, 1));
    const std::vector<QPoint> points = design_.CurvePoints();
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

bool TEaseForm::eventFilter(QObject* watched, QEvent* event) {
    int handle = -1;
    for (int i = 0; i < 4; ++i)
        if (watched == Panel[i]) handle = i;
    if (handle < 0) return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) dragged_ = handle;
        return true;
    case QEvent::MouseMove:
        if (dragged_ == handle && (mouse->buttons() & Qt::LeftButton)) {
            TVelkonApplication::Guard(Panel[handle], [&] {
                design_.Handles[handle] = Panel[handle]->mapTo(this, mouse->position().toPoint()).x();
                PlaceHandles();
                Recompute();
            });
        }
        return true;
    case QEvent::MouseButtonRelease:
        dragged_ = -1;
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TEaseForm::ComboBox1Change(int index) {
    design_.ApplyPreset(index);
    PlaceHandles();
    Recompute();
}

void TEaseForm::Button2Click() {
    tick_ = 0;
    Timer1.start();
}

void TEaseForm::Timer1Timer() {
    ++tick_;
    if (tick_ > 100) Timer1.stop();
    Panel5->move(design_.BallX(tick_), BallTop);
}

void TEaseForm::OkBitBtnClick() {
    design_.Duration = Edit2->text();
    const QString problem = design_.DurationProblem();
    if (!problem.isEmpty()) {
        document_.Dialogs().Message(problem);
        Edit2->setFocus();
        return;
    }
    accept();
}

} // namespace velkon
