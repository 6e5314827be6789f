// The ZIP and SHA-256 module: the program loads it at the first package.
#include "ZipFuncties.h"

extern "C" __attribute__((visibility("default"))) const SZipFuncties* zb_zip_functies()
{
    static const SZipFuncties functies {
        &::zip_close,
        &::zip_discard,
        &::zip_error_fini,
        &::zip_error_init_with_code,
        &::zip_error_strerror,
        &::zip_fclose,
        &::zip_file_add,
        &::zip_file_get_external_attributes,
        &::zip_fopen_index,
        &::zip_fread,
        &::zip_get_num_entries,
        &::zip_name_locate,
        &::zip_open,
        &::zip_register_cancel_callback_with_state,
        &::zip_register_progress_callback_with_state,
        &::zip_set_file_compression,
        &::zip_source_buffer,
        &::zip_source_file,
        &::zip_source_free,
        &::zip_stat_index,
        &::zip_strerror,
        &::EVP_MD_CTX_new,
        &::EVP_MD_CTX_free,
        &::EVP_sha256,
        &::EVP_DigestInit_ex,
        &::EVP_DigestUpdate,
        &::EVP_DigestFinal_ex,
    };
    return &functies;
}
