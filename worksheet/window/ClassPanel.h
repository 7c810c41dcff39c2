#pragma once
// The class panel over the sheet: a class practising on tablets, served from this
// window. Opening it starts a class with the window's settings, served on every
// address at port 8642 (a free port where that one is taken); it shows the address
// the pupils open, as text and as a QR code, the class code, and a board of the
// pupils that follows their markings. Earlier classes in the results file can be
// shown again and exported as CSV. Closing the panel leaves the class running: the
// teacher may want the sheet or the projector's view back while the pupils work on,
// and a class ends only by its own button, so that no click ends it by accident.

#include "classroom/ClassServer.h"
#include "classroom/Classroom.h"
#include "classroom/ResultStore.h"
#include "window/ClassBoard.h"

#include <QGroupBox>
#include <QTimer>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TQrCodeView;

class TClassPanel : public QGroupBox {
public:
    explicit TClassPanel(QWidget* Parent);
    ~TClassPanel() override;

    // The results file; the program's own unless set before the first class.
    void SetDataPath(const QString& Path) { FDataPath = Path; }
    // Shows the panel, starting a class with Settings unless one is running.
    void Open(const TSheetSettings& Settings, bool StepUp);
    // The settings the running class draws its next sheets with.
    void FollowSettings(const TSheetSettings& Settings, bool StepUp);
    bool Running() const { return FClass && !FClass->Ended(); }
    QPushButton* CloseButton() const { return FClose; }

private:
    void Start(const TSheetSettings& Settings, bool StepUp);
    void End();
    void StopServer();
    void ListClasses();
    // The board of the class chosen in the list: live for the class running, else stored.
    void ShowChosen();
    void ExportCsv();
    qint64 ChosenClass() const;

    QString FDataPath;
    std::unique_ptr<TResultStore> FStore;
    std::unique_ptr<TClassroom> FClass;
    std::unique_ptr<TClassServer> FServer;
    qint64 FShownClass = -1;
    std::vector<TBoardRow> FShownRows;
    QTimer FRefresh;
    QTimer FLastCalls;

    TQrCodeView* FQrCode;
    QLabel* FCode;
    QLabel* FAddress;
    QLabel* FStatus;
    QPushButton* FEnd;
    QPushButton* FCsv;
    QPushButton* FClose;
    QLabel* FMistakes;
    QComboBox* FClasses;
    QTableWidget* FBoard;
};
