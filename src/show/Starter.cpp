#include "Starter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <functional>

// GLib names a field "signals", which Qt defines as a keyword.
#undef signals
#include <csignal>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How long a process asked to stop may take before it is killed.
constexpr int nGraceMs = 3000;
// Without a process descriptor to watch, how often an ended child is looked for.
constexpr int nPeilMs = 500;
// When the program ends: how long what still runs may take to stop.
constexpr int nAfscheidMs = 1000;
constexpr int nAfscheidPeilMs = 10;

// Runs in the child before the program starts: a process group of its own,
// so that ending it ends what it started too.
void EigenGroep(gpointer = nullptr)
{
    ::setpgid(0, 0);
}

// Asks a process and its group to stop; bHard kills them.
void Signaleer(pid_t pid, bool bHard)
{
    const int nSignaal = bHard ? SIGKILL : SIGTERM;
    if (::kill(-pid, nSignaal) != 0)
        ::kill(pid, nSignaal);
}

// Children of ours that were asked to stop, or that run on untracked: each
// is reaped the moment it exits (its process descriptor becomes readable)
// and killed when it outlives the grace period. Nothing here waits on the
// user-interface thread. What is still running when the program ends is
// killed then.
class CNazorg final : public QObject {
public:
    static CNazorg& Een()
    {
        static QPointer<CNazorg> p;
        if (!p)
            p = new CNazorg(QCoreApplication::instance());
        return *p;
    }

    // A child started through GIO: watched until it exits, reaped then.
    // Calls bijEinde when it did.
    void Volg(pid_t pid, std::function<void()> bijEinde)
    {
        SKind& kind = m_kinderen[pid];
        kind.bijEinde = std::move(bijEinde);
        const int fd = int(::syscall(SYS_pidfd_open, pid, 0));
        if (fd >= 0) {
            kind.fd = fd;
            kind.pNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(kind.pNotifier, &QSocketNotifier::activated, this, [this, pid] { Oogst(pid); });
        } else {
            kind.pPeiler = new QTimer(this);
            connect(kind.pPeiler, &QTimer::timeout, this, [this, pid] { Oogst(pid); });
            kind.pPeiler->start(nPeilMs);
        }
    }

    // Asks a watched child to stop now and kills it after the grace period.
    void Beeindig(pid_t pid)
    {
        auto it = m_kinderen.find(pid);
        if (it == m_kinderen.end())
            return;
        it->bijEinde = nullptr;
        Signaleer(pid, false);
        QTimer::singleShot(nGraceMs, this, [this, pid] {
            if (m_kinderen.contains(pid))
                Signaleer(pid, true);
        });
    }

    // A program started directly that was asked to stop: QProcess reaps it;
    // it is killed when it outlives the grace period.
    void Neem(std::unique_ptr<QProcess> pProces)
    {
        QProcess* p = pProces.release();
        p->setParent(this);
        const pid_t pid = pid_t(p->processId());
        connect(p, &QProcess::finished, p, &QObject::deleteLater);
        QTimer::singleShot(nGraceMs, p, [p, pid] {
            if (p->state() != QProcess::NotRunning)
                Signaleer(pid, true);
        });
        if (p->state() == QProcess::NotRunning)
            p->deleteLater();
    }

    bool Volgt(pid_t pid) const { return m_kinderen.contains(pid); }

    // The program ends: what still runs is asked to stop, given a short
    // while, then killed, and every child is reaped.
    ~CNazorg() override
    {
        QList<pid_t> aPids = m_kinderen.keys();
        for (QProcess* p : findChildren<QProcess*>()) {
            if (p->state() != QProcess::NotRunning)
                aPids << pid_t(p->processId());
        }
        for (pid_t pid : aPids)
            Signaleer(pid, false);
        QDeadlineTimer afscheid(nAfscheidMs);
        for (pid_t pid : m_kinderen.keys()) {
            int nStatus = 0;
            while (::waitpid(pid, &nStatus, WNOHANG) == 0 && !afscheid.hasExpired())
                QThread::msleep(nAfscheidPeilMs);
        }
        for (QProcess* p : findChildren<QProcess*>())
            p->waitForFinished(int(afscheid.remainingTime()));
        for (pid_t pid : aPids)
            Signaleer(pid, true);
        for (auto it = m_kinderen.begin(); it != m_kinderen.end(); ++it) {
            int nStatus = 0;
            ::waitpid(it.key(), &nStatus, 0);
            if (it->fd >= 0)
                ::close(it->fd);
        }
    }

private:
    using QObject::QObject;

    struct SKind {
        int fd = -1;
        QSocketNotifier* pNotifier = nullptr;
        QTimer* pPeiler = nullptr;
        std::function<void()> bijEinde;
    };

    void Oogst(pid_t pid)
    {
        int nStatus = 0;
        if (::waitpid(pid, &nStatus, WNOHANG) == 0)
            return; // still running
        auto it = m_kinderen.find(pid);
        if (it == m_kinderen.end())
            return;
        SKind kind = *it;
        m_kinderen.erase(it);
        delete kind.pNotifier;
        delete kind.pPeiler;
        if (kind.fd >= 0)
            ::close(kind.fd);
        if (kind.bijEinde)
            kind.bijEinde();
    }

    QHash<pid_t, SKind> m_kinderen;
};

// A program started directly: QProcess owns and reaps it.
class CProgramma final : public IProces {
public:
    explicit CProgramma(std::unique_ptr<QProcess> pProces)
        : m_pProces(std::move(pProces))
    {
    }
    ~CProgramma() override { Beeindig(); }

    bool Loopt() override { return m_pProces && m_pProces->state() != QProcess::NotRunning; }

    void Beeindig() override
    {
        if (!Loopt())
            return;
        Signaleer(pid_t(m_pProces->processId()), false);
        CNazorg::Een().Neem(std::move(m_pProces));
    }

private:
    std::unique_ptr<QProcess> m_pProces;
};

// A default application started through GIO, known by its process id and
// reaped by the aftercare the moment it exits.
class CToepassing final : public IProces {
public:
    explicit CToepassing(GPid pid)
        : m_pid(pid)
        , m_pLoopt(std::make_shared<bool>(true))
    {
        CNazorg::Een().Volg(m_pid, [pLoopt = m_pLoopt] { *pLoopt = false; });
    }
    ~CToepassing() override { Beeindig(); }

    bool Loopt() override { return *m_pLoopt; }

    void Beeindig() override
    {
        if (!*m_pLoopt)
            return;
        *m_pLoopt = false;
        CNazorg::Een().Beeindig(m_pid);
    }

private:
    GPid m_pid;
    std::shared_ptr<bool> m_pLoopt;
};

void OntvangPid(GDesktopAppInfo*, GPid pid, gpointer pData)
{
    *static_cast<GPid*>(pData) = pid;
}

// Launches a desktop application, with the URIs given, as a child in a
// group of its own; the process to follow, or null.
std::unique_ptr<IProces> Lanceer(GDesktopAppInfo* pInfo, const QList<QByteArray>& aUris)
{
    GList* pUris = nullptr;
    for (const QByteArray& uri : aUris)
        pUris = g_list_append(pUris, const_cast<char*>(uri.constData()));
    GPid pid = 0;
    GError* pFout = nullptr;
    const gboolean bGestart = g_desktop_app_info_launch_uris_as_manager(pInfo, pUris, nullptr,
        GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), EigenGroep, nullptr, OntvangPid, &pid, &pFout);
    g_list_free(pUris);
    if (pFout)
        g_error_free(pFout);
    if (!bGestart || pid <= 0)
        return nullptr;
    return std::make_unique<CToepassing>(pid);
}

std::unique_ptr<IProces> OpenMetToepassing(GAppInfo* pInfo, const QByteArray& uri)
{
    if (!pInfo)
        return nullptr;
    std::unique_ptr<IProces> pProces;
    if (G_IS_DESKTOP_APP_INFO(pInfo))
        pProces = Lanceer(G_DESKTOP_APP_INFO(pInfo), { uri });
    g_object_unref(pInfo);
    return pProces;
}

std::unique_ptr<IProces> OpenBestand(const QString& strBestand)
{
    const QByteArray pad = QFile::encodeName(strBestand);
    gboolean bOnzeker = FALSE;
    gchar* szType = g_content_type_guess(pad.constData(), nullptr, 0, &bOnzeker);
    GAppInfo* pInfo = szType ? g_app_info_get_default_for_type(szType, FALSE) : nullptr;
    g_free(szType);
    return OpenMetToepassing(pInfo, QUrl::fromLocalFile(strBestand).toEncoded());
}

// Whether a file is a program by what it holds: an ELF binary or a script
// with "#!". A document copied from Windows often has the x bit too.
bool IsProgrammaBestand(const QString& strPad)
{
    QFile f(strPad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray kop = f.read(4);
    return kop
        == QByteArrayLiteral("\x7f"
                             "ELF")
        || kop.startsWith("#!");
}

bool IsUrl(const QString& strPad)
{
    const QUrl url(strPad, QUrl::StrictMode);
    return url.isValid() && !url.isLocalFile() && url.scheme().size() > 1 && !url.host().isEmpty();
}

} // namespace

QString CSysteemStarter::Programma(const QString& strPad)
{
    const QFileInfo info(strPad);
    if (info.isFile() && info.isExecutable() && IsProgrammaBestand(info.absoluteFilePath()))
        return info.absoluteFilePath();
    if (!strPad.contains(u'/'))
        return QStandardPaths::findExecutable(strPad);
    return {};
}

std::unique_ptr<IProces> CSysteemStarter::Start(const QString& strPad, const QString& strOpties)
{
    if (strPad.isEmpty())
        return nullptr;
    if (IsUrl(strPad)) {
        // A web address: the desktop's browser (or whatever handles its scheme).
        const QUrl url(strPad);
        const QByteArray schema = url.scheme().toLatin1();
        return OpenMetToepassing(g_app_info_get_default_for_uri_scheme(schema.constData()), url.toEncoded());
    }
    const QString strProgramma = Programma(strPad);
    if (!strProgramma.isEmpty()) {
        auto pProces = std::make_unique<QProcess>();
        pProces->setProgram(strProgramma);
        pProces->setArguments(QProcess::splitCommand(strOpties));
        pProces->setProcessChannelMode(QProcess::ForwardedChannels);
        pProces->setChildProcessModifier([] { EigenGroep(); });
        pProces->start();
        if (!pProces->waitForStarted())
            return nullptr;
        return std::make_unique<CProgramma>(std::move(pProces));
    }
    const QFileInfo info(strPad);
    if (!info.exists())
        return nullptr;
    const QString strBestand = info.absoluteFilePath();
    if (info.isFile() && strBestand.endsWith(QLatin1String(".desktop"))) {
        // A desktop entry starts the application it describes.
        const QByteArray pad = QFile::encodeName(strBestand);
        GDesktopAppInfo* pInfo = g_desktop_app_info_new_from_filename(pad.constData());
        if (!pInfo)
            return nullptr;
        auto pProces = Lanceer(pInfo, {});
        g_object_unref(pInfo);
        return pProces;
    }
    if (auto pProces = OpenBestand(strBestand))
        return pProces;
    // No application of its own: the desktop's opener, which cannot be followed.
    QProcess::startDetached(QStringLiteral("xdg-open"), { strBestand });
    return nullptr;
}
