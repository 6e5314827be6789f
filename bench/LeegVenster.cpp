// The baseline of the start-up benchmark: the least a Qt Widgets program with
// a tree does before its first paint. Like "zerbantiko" with ZB_OPSTART_METEN
// set, it prints the moment its first paint was done on the monotonic clock
// and ends.
#include <QApplication>
#include <QMainWindow>
#include <QPaintEvent>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <ctime>

namespace {

class CVlak : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_bGemeld)
            return;
        m_bGemeld = true;
        // Reported when the paint is over, as the editor does.
        QTimer::singleShot(0, qApp, [] {
            timespec nu {};
            clock_gettime(CLOCK_MONOTONIC, &nu);
            std::printf("eerste tekening: %lld\n", static_cast<long long>(nu.tv_sec) * 1000000000LL + nu.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    bool m_bGemeld = false;
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
