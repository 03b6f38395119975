#include "online/CredentialCipher.h"

#include "common/Cp1252.h"

#include <QByteArray>

#include <gcrypt.h>

#include <array>
#include <mutex>
#include <stdexcept>

namespace korvel::online::CredentialCipher {

namespace {

const char kPassphrase[] = "7!42,eK==t)pR";

void initGcrypt()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (!gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
            gcry_check_version(nullptr);
            gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
            gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        }
    });
}

// A plain memset right before the memory is freed may be optimised away.
void secureZero(void* p, size_t n)
{
    auto* v = static_cast<volatile unsigned char*>(p);
    while (n--)
        *v++ = 0;
}

void wipe(QByteArray& bytes)
{
    if (!bytes.isEmpty())
        secureZero(bytes.data(), size_t(bytes.size()));
    bytes.clear();
}

void check(gcry_error_t err)
{
    if (err)
        throw std::runtime_error(gcry_strerror(err));
}

// Runs the cipher over data in place, with a key schedule and feedback register set up for
// this one value and wiped afterwards.
void run(QByteArray& data, bool encrypting)
{
    initGcrypt();
    std::array<unsigned char, 20> key{};
    gcry_md_hash_buffer(GCRY_MD_SHA1, key.data(), kPassphrase, sizeof kPassphrase - 1);

    std::array<unsigned char, 8> iv{};
    gcry_cipher_hd_t ecb = nullptr;
    gcry_cipher_hd_t cfb = nullptr;
    try {
        check(gcry_cipher_open(&ecb, GCRY_CIPHER_BLOWFISH, GCRY_CIPHER_MODE_ECB, 0));
        check(gcry_cipher_setkey(ecb, key.data(), key.size()));
        check(gcry_cipher_encrypt(ecb, iv.data(), iv.size(), nullptr, 0));

        check(gcry_cipher_open(&cfb, GCRY_CIPHER_BLOWFISH, GCRY_CIPHER_MODE_CFB8, 0));
        check(gcry_cipher_setkey(cfb, key.data(), key.size()));
        check(gcry_cipher_setiv(cfb, iv.data(), iv.size()));
        auto* p = reinterpret_cast<unsigned char*>(data.data());
        check(encrypting ? gcry_cipher_encrypt(cfb, p, size_t(data.size()), nullptr, 0)
                         : gcry_cipher_decrypt(cfb, p, size_t(data.size()), nullptr, 0));
    } catch (...) {
        gcry_cipher_close(cfb);
        gcry_cipher_close(ecb);
        secureZero(key.data(), key.size());
        secureZero(iv.data(), iv.size());
        throw;
    }
    // Closing a handle wipes its key schedule and register.
    gcry_cipher_close(cfb);
    gcry_cipher_close(ecb);
    secureZero(key.data(), key.size());
    secureZero(iv.data(), iv.size());
}

} // namespace

QString encrypt(const QString& plain)
{
    if (plain.isEmpty())
        return {};
    QByteArray data = Cp1252::encode(plain);
    run(data, true);
    const QString text = QString::fromLatin1(data.toBase64());
    wipe(data);
    return text;
}

QString decrypt(const QString& base64)
{
    if (base64.isEmpty())
        return {};
    QByteArray data = QByteArray::fromBase64(base64.toLatin1());
    if (data.isEmpty())
        return {};
    run(data, false);
    const QString text = Cp1252::decode(data);
    wipe(data);
    return text;
}

} // namespace korvel::online::CredentialCipher
