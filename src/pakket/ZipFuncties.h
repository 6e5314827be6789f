#pragma once

#include <openssl/evp.h>
#include <zip.h>

// libzip and OpenSSL's SHA-256 as packing and unpacking use them. They live
// in a module (zerbantiko-zip.so) loaded at the first package, so that the
// program starts without them and the libraries under them; the functions
// keep their own names, so that code reads as it would with them linked in.
struct SZipFuncties {
    decltype(&::zip_close) zip_close;
    decltype(&::zip_discard) zip_discard;
    decltype(&::zip_error_fini) zip_error_fini;
    decltype(&::zip_error_init_with_code) zip_error_init_with_code;
    decltype(&::zip_error_strerror) zip_error_strerror;
    decltype(&::zip_fclose) zip_fclose;
    decltype(&::zip_file_add) zip_file_add;
    decltype(&::zip_file_get_external_attributes) zip_file_get_external_attributes;
    decltype(&::zip_fopen_index) zip_fopen_index;
    decltype(&::zip_fread) zip_fread;
    decltype(&::zip_get_num_entries) zip_get_num_entries;
    decltype(&::zip_name_locate) zip_name_locate;
    decltype(&::zip_open) zip_open;
    decltype(&::zip_register_cancel_callback_with_state) zip_register_cancel_callback_with_state;
    decltype(&::zip_register_progress_callback_with_state) zip_register_progress_callback_with_state;
    decltype(&::zip_set_file_compression) zip_set_file_compression;
    decltype(&::zip_source_buffer) zip_source_buffer;
    decltype(&::zip_source_file) zip_source_file;
    decltype(&::zip_source_free) zip_source_free;
    decltype(&::zip_stat_index) zip_stat_index;
    decltype(&::zip_strerror) zip_strerror;

    decltype(&::EVP_MD_CTX_new) EVP_MD_CTX_new;
    decltype(&::EVP_MD_CTX_free) EVP_MD_CTX_free;
    decltype(&::EVP_sha256) EVP_sha256;
    decltype(&::EVP_DigestInit_ex) EVP_DigestInit_ex;
    decltype(&::EVP_DigestUpdate) EVP_DigestUpdate;
    decltype(&::EVP_DigestFinal_ex) EVP_DigestFinal_ex;
};

// The functions, from the module loaded at the first call (or linked into
// the program itself, as in the tests); null when the module is missing.
const SZipFuncties* ZipFuncties();
