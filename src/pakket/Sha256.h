#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

struct evp_md_ctx_st;

// SHA-256 through OpenSSL, which uses the processor's own instructions for
// it: several times faster than a portable implementation, and a package of
// gigabytes is hashed once packing and once unpacking.
class CSha256 {
public:
    CSha256();
    ~CSha256();
    CSha256(const CSha256&) = delete;
    CSha256& operator=(const CSha256&) = delete;

    void Voeg(QByteArrayView data);
    // The hash in lower-case hex; the object is done with.
    QByteArray Hex();

    static QByteArray Hex(QByteArrayView data);

private:
    evp_md_ctx_st* m_pCtx;
};
