#pragma once

#include <QString>

namespace korvel::online {

// The cipher of the stored proxy user name and password: Blowfish in 8-bit cipher feedback
// under the SHA-1 digest of a fixed passphrase, the initial vector being the encrypted zero
// block, written as Base64. The ciphertext is as long as the plain text (no padding, no
// integrity check), so a damaged value decrypts to whatever the steps give.
namespace CredentialCipher {

// Empty text stays empty in both directions.
QString encrypt(const QString& plain);
QString decrypt(const QString& base64);

} // namespace CredentialCipher
} // namespace korvel::online
