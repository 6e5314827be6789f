// Feeds arbitrary bytes to the project reader: it must fail cleanly, never
// crash, hang or allocate far beyond the input's size.
#include "file/ProjectBestand.h"
#include "model/ProjectInhoud.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto pInhoud = std::make_unique<CProjectInhoud>();
    ProjectBestand::SLeesOpties opties;
    opties.bAfbeeldingenLaden = false; // paths in random bytes must not reach the disk
    ProjectBestand::Lees(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)),
        QStringLiteral("fuzz.zb"), *pInhoud, opties);
    return 0;
}
