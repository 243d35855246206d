#!/usr/bin/env bash
# Signs the program or the installer package: Authenticode, SHA-256, with osslsigncode.
#   sign.sh IN OUT TEST-CERTIFICATE-FOLDER
# The certificate comes from the environment:
#   VANTRELLE_SIGN_PFX and VANTRELLE_SIGN_PASSWORD_FILE   a PFX file and a file holding its password, or
#   VANTRELLE_SIGN_PKCS11_MODULE, VANTRELLE_SIGN_PKCS11_KEY (the key's PKCS#11 URI) and
#   VANTRELLE_SIGN_CERTS (its certificate chain, PEM)     a key on a token or hardware module;
#   VANTRELLE_SIGN_TIMESTAMP                               a timestamp server (RFC 3161) to ask, if any;
#   VANTRELLE_UNSIGNED=1                                   no signature: an unsigned build, by choice.
# With no certificate, a throwaway self-signed one is made in TEST-CERTIFICATE-FOLDER (cert.pem, for
# `osslsigncode verify -CAfile`), so that signing runs on every build and test run. Never ship that.
set -euo pipefail
in=$1 out=$2 testFolder=$3
if [ "${VANTRELLE_UNSIGNED:-}" = 1 ]; then
  cp "$in" "$out"
  exit 0
fi
key=()
if [ -n "${VANTRELLE_SIGN_PFX:-}" ]; then
  key=(-pkcs12 "$VANTRELLE_SIGN_PFX" -readpass "${VANTRELLE_SIGN_PASSWORD_FILE:?a password file for the PFX}")
elif [ -n "${VANTRELLE_SIGN_PKCS11_MODULE:-}" ]; then
  key=(-pkcs11module "$VANTRELLE_SIGN_PKCS11_MODULE" -key "${VANTRELLE_SIGN_PKCS11_KEY:?a PKCS#11 URI for the key}"
       -certs "${VANTRELLE_SIGN_CERTS:?the certificate chain for the PKCS#11 key}")
else
  mkdir -p "$testFolder"
  (
    flock 9
    if [ ! -f "$testFolder/cert.pfx" ]; then
      openssl req -x509 -newkey rsa:3072 -sha256 -nodes -days 30 -subj "/CN=Vantrelle throwaway test signing" \
        -addext "extendedKeyUsage=codeSigning" -keyout "$testFolder/key.pem" -out "$testFolder/cert.pem" 2>/dev/null
      openssl rand -hex 16 >"$testFolder/password"
      openssl pkcs12 -export -inkey "$testFolder/key.pem" -in "$testFolder/cert.pem" \
        -passout "file:$testFolder/password" -out "$testFolder/cert.pfx"
    fi
  ) 9>"$testFolder/.lock"
  key=(-pkcs12 "$testFolder/cert.pfx" -readpass "$testFolder/password")
fi
timestamp=()
[ -n "${VANTRELLE_SIGN_TIMESTAMP:-}" ] && timestamp=(-ts "$VANTRELLE_SIGN_TIMESTAMP")
rm -f "$out"
osslsigncode sign "${key[@]}" -h sha256 -n Vantrelle -i https://www.marrowick.com/ "${timestamp[@]}" \
  -in "$in" -out "$out" >/dev/null
