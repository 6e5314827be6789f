#include "Starter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

// GLib names a field "signals", which Qt defines as a keyword.
#undef signals
#include <csignal>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <sys/wait.h>

namespace {

// How long a process asked to stop may take before it is killed.
constexpr int nGraceMs = 500;
constexpr int nPeilMs = 10;

// A program started directly: QProcess owns and reaps it.
class CProgramma final : public IProces {
public:
    explicit CProgramma(std::unique_ptr<QProcess> pProces)
        : m_pProces(std::move(pProces))
    {
    }
    ~CProgramma() override { Beeindig(); }

    bool Loopt() override
    {
        // Notices an exit that the event loop has not delivered yet.
        m_pProces->waitForFinished(0);
        return m_pProces->state() != QProcess::NotRunning;
    }

    void Beeindig() override
    {
        if (!Loopt())
            return;
        m_pProces->terminate();
        if (!m_pProces->waitForFinished(nGraceMs)) {
            m_pProces->kill();
            m_pProces->waitForFinished(nGraceMs);
        }
    }

private:
    std::unique_ptr<QProcess> m_pProces;
};

// A default application started through GIO, known by its process id; we
// reap it ourselves.
class CToepassing final : public IProces {
public:
    explicit CToepassing(GPid pid)
        : m_pid(pid)
    {
    }
    ~CToepassing() override { Beeindig(); }

    bool Loopt() override
    {
        if (m_bGeoogst)
            return false;
        int nStatus = 0;
        const pid_t r = ::waitpid(m_pid, &nStatus, WNOHANG);
        if (r == 0)
            return true;
        m_bGeoogst = true; // ended and reaped, or not ours to reap
        return false;
    }

    void Beeindig() override
    {
        if (!Loopt())
            return;
        ::kill(m_pid, SIGTERM);
        for (int t = 0; t < nGraceMs; t += nPeilMs) {
            if (!Loopt())
                return;
            QThread::msleep(nPeilMs);
        }
        ::kill(m_pid, SIGKILL);
        int nStatus = 0;
        ::waitpid(m_pid, &nStatus, 0);
        m_bGeoogst = true;
    }

private:
    GPid m_pid;
    bool m_bGeoogst = false;
};

void OntvangPid(GDesktopAppInfo*, GPid pid, gpointer pData)
{
    *static_cast<GPid*>(pData) = pid;
}

std::unique_ptr<IProces> OpenMetToepassing(const QString& strBestand)
{
    const QByteArray pad = QFile::encodeName(strBestand);
    gboolean bOnzeker = FALSE;
    gchar* szType = g_content_type_guess(pad.constData(), nullptr, 0, &bOnzeker);
    GAppInfo* pInfo = szType ? g_app_info_get_default_for_type(szType, FALSE) : nullptr;
    g_free(szType);
    if (!pInfo)
        return nullptr;

    std::unique_ptr<IProces> pProces;
    if (G_IS_DESKTOP_APP_INFO(pInfo)) {
        const QByteArray uri = QUrl::fromLocalFile(strBestand).toEncoded();
        GList* pUris = g_list_append(nullptr, const_cast<char*>(uri.constData()));
        GPid pid = 0;
        GError* pFout = nullptr;
        const gboolean bGestart = g_desktop_app_info_launch_uris_as_manager(G_DESKTOP_APP_INFO(pInfo), pUris, nullptr,
            GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr, nullptr, OntvangPid, &pid, &pFout);
        g_list_free(pUris);
        if (pFout)
            g_error_free(pFout);
        if (bGestart && pid > 0)
            pProces = std::make_unique<CToepassing>(pid);
    }
    g_object_unref(pInfo);
    return pProces;
}

} // namespace

QString CSysteemStarter::Programma(const QString& strPad)
{
    const QFileInfo info(strPad);
    if (info.isFile() && info.isExecutable())
        return info.absoluteFilePath();
    if (!strPad.contains(u'/'))
        return QStandardPaths::findExecutable(strPad);
    return {};
}

std::unique_ptr<IProces> CSysteemStarter::Start(const QString& strPad, const QString& strOpties)
{
    if (strPad.isEmpty())
        return nullptr;
    const QString strProgramma = Programma(strPad);
    if (!strProgramma.isEmpty()) {
        auto pProces = std::make_unique<QProcess>();
        pProces->setProgram(strProgramma);
        pProces->setArguments(QProcess::splitCommand(strOpties));
        pProces->setProcessChannelMode(QProcess::ForwardedChannels);
        pProces->start();
        if (!pProces->waitForStarted())
            return nullptr;
        return std::make_unique<CProgramma>(std::move(pProces));
    }
    if (!QFileInfo(strPad).exists())
        return nullptr;
    const QString strBestand = QFileInfo(strPad).absoluteFilePath();
    if (auto pProces = OpenMetToepassing(strBestand))
        return pProces;
    // No application of its own: the desktop's opener, which cannot be followed.
    QProcess::startDetached(QStringLiteral("xdg-open"), { strBestand });
    return nullptr;
}
