#include "window/ClassPanel.h"

#include "CommandLine.h"
#include "Texts.h"
#include "classroom/HostAddress.h"
#include "view/Fonts.h"
#include "window/ClassBoard.h"
#include "window/QrCodeView.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Every address of the machine: the tablets reach it over the classroom's network.
const QString EveryAddress = QStringLiteral("0.0.0.0");
// How often the board looks at the class: a marking shows within this time.
constexpr int RefreshMs = 1000;
// After the end the server answers a while longer, so that the tablets' next requests
// learn the class has ended instead of finding no server.
constexpr int LastCallsMs = 60 * 1000;

QLabel* PlainLabel(QWidget* Parent, const char* Name)
{
    auto* label = new QLabel(Parent);
    label->setObjectName(QLatin1String(Name));
    // Pupils' names reach these labels: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(QWidget* Parent, const char* Name, const QString& Caption)
{
    auto* button = new QPushButton(Caption, Parent);
    button->setObjectName(QLatin1String(Name));
    return button;
}

}  // namespace

TClassPanel::TClassPanel(QWidget* Parent) : QGroupBox(Texts::ClassPanelTitle, Parent)
{
    setObjectName(QStringLiteral("PanelClass"));
    // Opaque, so that the panel hides the dials it lies over.
    setAutoFillBackground(true);
    FQrCode = new TQrCodeView(this);
    FQrCode->setObjectName(QStringLiteral("QrCodeClass"));
    FQrCode->setFixedSize(264, 264);
    auto* codeCaption = PlainLabel(this, "LabelClassCodeCaption");
    codeCaption->setText(Texts::ClassCodeCaption);
    FCode = PlainLabel(this, "LabelClassCode");
    FCode->setFont(GothicFont(40));
    FCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* addressCaption = PlainLabel(this, "LabelClassAddressCaption");
    addressCaption->setText(Texts::ClassAddressCaption);
    FAddress = PlainLabel(this, "LabelClassAddress");
    FAddress->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    FStatus = PlainLabel(this, "LabelClassStatus");
    FEnd = Button(this, "ButtonClassEnd", Texts::ButtonClassEnd);
    FCsv = Button(this, "ButtonClassCsv", Texts::ButtonClassCsv);
    FClose = Button(this, "ButtonClassClose", Texts::PanelClose);
    FMistakes = PlainLabel(this, "LabelClassMistakes");
    auto* classesCaption = PlainLabel(this, "LabelClasses");
    classesCaption->setText(Texts::ClassesCaption);
    classesCaption->setWordWrap(false);
    FClasses = new QComboBox(this);
    FClasses->setObjectName(QStringLiteral("ComboClasses"));
    FBoard = new QTableWidget(this);
    FBoard->setObjectName(QStringLiteral("TableBoard"));
    FBoard->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FBoard->setSelectionBehavior(QAbstractItemView::SelectRows);
    FBoard->verticalHeader()->hide();
    FBoard->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FBoard->horizontalHeader()->setStretchLastSection(true);
    FBoard->horizontalHeader()->setSortIndicatorShown(true);
    ShowBoard(*FBoard, {});

    auto* side = new QVBoxLayout;
    side->addWidget(codeCaption);
    side->addWidget(FCode);
    side->addWidget(addressCaption);
    side->addWidget(FAddress);
    side->addWidget(FStatus);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(FQrCode);
    top->addLayout(side, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FEnd);
    buttons->addWidget(FCsv);
    buttons->addStretch();
    buttons->addWidget(FClose);
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(classesCaption);
    chosen->addWidget(FClasses, 1);
    auto* panel = new QVBoxLayout(this);
    panel->addLayout(top);
    panel->addLayout(buttons);
    panel->addLayout(chosen);
    panel->addWidget(FMistakes);
    panel->addWidget(FBoard, 1);

    FRefresh.setInterval(RefreshMs);
    connect(&FRefresh, &QTimer::timeout, this, &TClassPanel::ShowChosen);
    FLastCalls.setSingleShot(true);
    connect(&FLastCalls, &QTimer::timeout, this, &TClassPanel::StopServer);
    connect(FEnd, &QPushButton::clicked, this, &TClassPanel::End);
    connect(FCsv, &QPushButton::clicked, this, &TClassPanel::ExportCsv);
    connect(FClasses, &QComboBox::currentIndexChanged, this, &TClassPanel::ShowChosen);
}

TClassPanel::~TClassPanel()
{
    StopServer();
    // The window closed on purpose: the class is over, and not taken up at the next start.
    if (Running())
        FClass->End();
}

void TClassPanel::Open(const TSheetSettings& Settings, bool StepUp)
{
    if (!Running())
        Start(Settings, StepUp);
    show();
    raise();
}

void TClassPanel::FollowSettings(const TSheetSettings& Settings, bool StepUp)
{
    if (!Running())
        return;
    FClass->SetSettings(Settings);
    FClass->SetStepUp(StepUp);
}

void TClassPanel::Start(const TSheetSettings& Settings, bool StepUp)
{
    StopServer();
    FClass.reset();
    FQrCode->SetText({});
    FCode->clear();
    FAddress->clear();
    if (!FStore) {
        TStoreOpening opening =
            TResultStore::Open(FDataPath.isEmpty() ? TResultStore::DefaultPath() : FDataPath, TResultStore::crCreate);
        FStatus->setText(opening.Refusal);
        FStore = std::move(opening.Store);
    }
    if (!FStore)
        return;
    if (std::optional<TClassroom> opened = TClassroom::Open(*FStore, Settings, StepUp))
        FClass = std::make_unique<TClassroom>(std::move(*opened));
    int port = 0;
    if (FClass) {
        // The port the teacher's notes name, or any free one where another program has it.
        FServer = std::make_unique<TClassServer>(*FClass, *FStore);
        port = FServer->Listen(EveryAddress, DefaultPort);
        if (port == 0) {
            FServer = std::make_unique<TClassServer>(*FClass, *FStore);
            port = FServer->Listen(EveryAddress, 0);
        }
    }
    if (port == 0) {
        FServer.reset();
        FClass.reset();
        FStatus->setText(Texts::ClassCannotStart);
    } else {
        const QString address =
            QStringLiteral("http://%1:%2/?class=%3").arg(HostFor(EveryAddress)).arg(port).arg(FClass->Code());
        FQrCode->SetText(address);
        FAddress->setText(address);
        FCode->setText(FClass->Code());
        FStatus->clear();
        FRefresh.start();
    }
    FEnd->setEnabled(Running());
    ListClasses();
}

void TClassPanel::End()
{
    if (!Running())
        return;
    FClass->End();
    FLastCalls.start(LastCallsMs);
    // Nothing left to join: the code stays, to tell the class in the list below.
    FQrCode->SetText({});
    FAddress->clear();
    FStatus->setText(Texts::ClassEnded);
    FEnd->setEnabled(false);
    ListClasses();
}

void TClassPanel::StopServer()
{
    FLastCalls.stop();
    if (FServer)
        FServer->Stop();
    FServer.reset();
}

void TClassPanel::ListClasses()
{
    const QSignalBlocker hold(FClasses);
    FClasses->clear();
    if (FStore)
        for (const TClassRecord& record : FStore->Classes()) {
            const QString started = record.Started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
            const bool running = Running() && record.Id == FClass->StoreId();
            FClasses->insertItem(0, (running ? Texts::ClassRunning.Text() : Texts::ClassListed).arg(started, record.Code),
                                 record.Id);
        }
    FClasses->setCurrentIndex(0);
    ShowChosen();
}

qint64 TClassPanel::ChosenClass() const { return FClasses->currentData().toLongLong(); }

void TClassPanel::ShowChosen()
{
    if (!FStore)
        return;
    const qint64 chosen = ChosenClass();
    const std::vector<TBoardRow> rows = FClass && FClass->StoreId() == chosen ? BoardRows(*FClass)
                                                                               : BoardRows(FStore->Pupils(chosen));
    // Filled again only when it changed, so that the teacher's selection and scrolling stay.
    if (chosen == FShownClass && rows == FShownRows && FBoard->rowCount() == int(rows.size()))
        return;
    FShownClass = chosen;
    FShownRows = rows;
    FMistakes->setText(ClassMistakesText(rows));
    ShowBoard(*FBoard, rows);
    FCsv->setEnabled(FClasses->count() > 0);
}

void TClassPanel::ExportCsv()
{
    if (!FStore || FClasses->count() == 0)
        return;
    const qint64 chosen = ChosenClass();
    QString code;
    for (const TClassRecord& record : FStore->Classes())
        if (record.Id == chosen)
            code = record.Code;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, Texts::ClassCsvCaption,
                                                      QDir(folder).filePath(QStringLiteral("kestrum-%1.csv").arg(code)),
                                                      Texts::ClassCsvFilter);
    if (path.isEmpty())
        return;
    // Written whole under another name and then renamed: a failure leaves no half file.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && FStore->WriteCsv(file, chosen) && file.commit();
    FStatus->setText(written ? Texts::ClassCsvWritten.arg(QDir::toNativeSeparators(path))
                             : Texts::ClassCsvFailed.arg(QDir::toNativeSeparators(path), file.errorString()));
}
