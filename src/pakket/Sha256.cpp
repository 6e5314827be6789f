#include "Sha256.h"

#include "ZipFuncties.h"

CSha256::CSha256()
    : m_pCtx(ZipFuncties()->EVP_MD_CTX_new())
{
    ZipFuncties()->EVP_DigestInit_ex(m_pCtx, ZipFuncties()->EVP_sha256(), nullptr);
}

CSha256::~CSha256()
{
    ZipFuncties()->EVP_MD_CTX_free(m_pCtx);
}

void CSha256::Voeg(QByteArrayView data)
{
    ZipFuncties()->EVP_DigestUpdate(m_pCtx, data.data(), size_t(data.size()));
}

QByteArray CSha256::Hex()
{
    unsigned char aHash[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    ZipFuncties()->EVP_DigestFinal_ex(m_pCtx, aHash, &n);
    return QByteArray(reinterpret_cast<const char*>(aHash), int(n)).toHex();
}

QByteArray CSha256::Hex(QByteArrayView data)
{
    CSha256 hash;
    hash.Voeg(data);
    return hash.Hex();
}
