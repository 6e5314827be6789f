// The baseline of the start-up benchmark: the least a Qt Widgets program with
// a tree does before its first paint. Started as "zerbantiko" is, it prints
// nothing and ends at its first paint.
#include <QApplication>
#include <QMainWindow>
#include <QPaintEvent>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

namespace {

class CVlak : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow venster;
    auto* pSplitter = new QSplitter(&venster);
    auto* pBoom = new QTreeWidget(pSplitter);
    new QTreeWidgetItem(pBoom, { QStringLiteral("Project") });
    pSplitter->addWidget(new CVlak);
    venster.setCentralWidget(pSplitter);
    venster.resize(1024, 700);
    venster.show();
    return app.exec();
}
