#!/usr/bin/env bash
# Reads the administrative templates: well-formed XML, every string and presentation they name exists,
# no name twice, the rules of Intune's import, and the values they set against the values the program
# reads, in both directions (the names /policyreport lists, one "Name = value (source)" line each).
#   templates.sh POLICY-FOLDER (REPORT.txt | Vantrelle.exe)
# Given the program, it runs its /policyreport in the Wine sandbox (tools/wine-sandbox.sh).
set -uo pipefail
admx="$1/Vantrelle.admx"
adml="$1/en-US/Vantrelle.adml"
translations=("$1/de-DE/Vantrelle.adml")
report=$2
failed=0
if [[ $report == *.exe ]]; then
  here=$(cd "$(dirname "$0")" && pwd)
  report=$(mktemp)
  trap 'rm -f "$report"' EXIT
  bash "$here/../../tools/wine-sandbox.sh" "$2" /policyreport >"$report" 2>/dev/null || echo "FAILED: /policyreport"
fi
check() {  # check MESSAGE COMMAND...
  local message=$1
  shift
  if "$@"; then echo "ok: $message"; else echo "FAILED: $message"; failed=1; fi
}
xpath() {  # xpath FILE EXPRESSION: each attribute's value, one a line
  xmllint --xpath "$2" "$1" 2>/dev/null | grep -o '"[^"]*"' | tr -d '"'
}
any() { [ -n "$(cat)" ]; }
none() { [ -z "$(cat)" ]; }
same() { diff <(sort -u <<<"$1") <(sort -u <<<"$2"); }

check "the ADMX is well-formed XML" xmllint --noout "$admx"
check "the ADML is well-formed XML" xmllint --noout "$adml"

strings=$(xpath "$adml" '//*[local-name()="string"]/@id')
presentations=$(xpath "$adml" '//*[local-name()="presentation"]/@id')
named_strings=$(grep -o '\$(string\.[A-Za-z0-9_]*)' "$admx" | sed 's/^\$(string\.//; s/)$//' | sort -u)
named_presentations=$(grep -o '\$(presentation\.[A-Za-z0-9_]*)' "$admx" | sed 's/^\$(presentation\.//; s/)$//' | sort -u)
check "every string the ADMX names is in the ADML" none < <(comm -23 <(echo "$named_strings") <(sort -u <<<"$strings"))
check "every presentation the ADMX names is in the ADML" \
  none < <(comm -23 <(echo "$named_presentations") <(sort -u <<<"$presentations"))
element_ids=$(xpath "$admx" '//*[local-name()="elements"]/*/@id' | sort -u)
check "every control of a presentation is an element of the ADMX" \
  none < <(comm -23 <(xpath "$adml" '//*[local-name()="presentation"]/*/@refId' | sort -u) <(echo "$element_ids"))

# Each translation: the same strings and presentations, each presentation with the same controls.
for translated in "${translations[@]}"; do
  language=$(basename "$(dirname "$translated")")
  check "the $language ADML is well-formed XML" xmllint --noout "$translated"
  check "the $language ADML has every string of the en-US one and no other" \
    same "$strings" "$(xpath "$translated" '//*[local-name()="string"]/@id')"
  check "the $language ADML has every presentation of the en-US one and no other" \
    same "$presentations" "$(xpath "$translated" '//*[local-name()="presentation"]/@id')"
  check "the $language ADML's presentations hold the same controls with the same defaults" \
    none < <(for id in $presentations; do
               control="//*[local-name()=\"presentation\"][@id=\"$id\"]/*/@*"
               diff <(xpath "$adml" "$control") <(xpath "$translated" "$control") >/dev/null || echo "$id"
             done)
  check "the $language ADML has no string id twice" \
    none < <(xpath "$translated" '//*[local-name()="string"]/@id' | sort | uniq -d)
  check "Intune: the $language ADML's revision is of the form N.N and under 1 MB" \
    test -n "$(grep -xE '[0-9]+\.[0-9]+' <<<"$(xpath "$translated" '/*/@revision')")" \
         -a "$(stat -c %s "$translated")" -lt 1048576
done

check "no policy name twice" none < <(xpath "$admx" '//*[local-name()="policy"]/@name' | sort | uniq -d)
check "no category name twice" none < <(xpath "$admx" '//*[local-name()="category"]/@name' | sort | uniq -d)
check "no string id twice" none < <(sort <<<"$strings" | uniq -d)
check "no presentation id twice" none < <(sort <<<"$presentations" | uniq -d)
check "no element id twice within a policy" none < <(
  for policy in $(xpath "$admx" '//*[local-name()="policy"]/@name'); do
    xpath "$admx" "//*[local-name()=\"policy\"][@name=\"$policy\"]//*[local-name()=\"elements\"]/*/@id" | sort | uniq -d
  done)

# Intune's import
check "Intune: no 'using' namespace" none < <(grep -n '<using' "$admx")
check "Intune: the revisions are of the form N.N" \
  grep -qxE '[0-9]+\.[0-9]+ [0-9]+\.[0-9]+' <<<"$(xpath "$admx" '/*/@revision') $(xpath "$adml" '/*/@revision')"
check "Intune: every number has minValue and maxValue" \
  none < <(xmllint --xpath '//*[local-name()="elements"]/*[local-name()="decimal"][not(@minValue) or not(@maxValue)]' "$admx" 2>/dev/null)
check "Intune: no combo box" none < <(grep -n -i 'combobox' "$admx" "$adml")
check "Intune: each file under 1 MB" test "$(stat -c %s "$admx")" -lt 1048576 -a "$(stat -c %s "$adml")" -lt 1048576
check "the namespace is Marrowick.Policies.Vantrelle" \
  test "$(xpath "$admx" '//*[local-name()="target"]/@namespace')" = Marrowick.Policies.Vantrelle
system_key='Software\Policies\Marrowick\Vantrelle\System'
check "every policy is for both machine and user, but the machine's run's" \
  none < <(xpath "$admx" "//*[local-name()=\"policy\"][@key!='$system_key']/@class" | grep -vx Both)
check "the machine's run's policies are the machine's alone" \
  none < <(xpath "$admx" "//*[local-name()=\"policy\"][@key='$system_key']/@class" | grep -vx Machine)
check "every policy has the templates' own supportedOn" \
  none < <(xpath "$admx" '//*[local-name()="policy"]/*[local-name()="supportedOn"]/@ref' | grep -vx SUPPORTED_Vantrelle_1_2)

# Templates against the program, both ways, for the forced values and for the presets alike.
read_values=$(tr -d '\r' <"$report" | sed -n 's/^\([A-Za-z0-9][A-Za-z0-9. ]*\) = .*/\1/p')
check "the program reports the values it reads" any <<<"$read_values"
for key in 'Software\Policies\Marrowick\Vantrelle' 'Software\Policies\Marrowick\Vantrelle\Recommended'; do
  set_values=$( (xpath "$admx" "//*[local-name()=\"policy\"][@key='$key']/@valueName"
                 xpath "$admx" "//*[local-name()=\"policy\"][@key='$key']//*[local-name()=\"elements\"]/*/@valueName") | sort -u)
  check "under $key: every value the templates set is one the program reads, and every one it reads has a policy" \
    same "$set_values" "$read_values"
done
system_values=$(tr -d '\r' <"$report" | sed -n 's/^System: \(.*\) = [01] (.*)$/\1/p')
check "the program reports the machine's values it reads" any <<<"$system_values"
check "under $system_key: every value the templates set is one the machine's run reads, and back" \
  same "$(xpath "$admx" "//*[local-name()=\"policy\"][@key='$system_key']/@valueName")" "$system_values"
check "no policy writes anywhere else" \
  none < <(xpath "$admx" '//*[local-name()="policy"]/@key' | grep -vxF -e 'Software\Policies\Marrowick\Vantrelle' \
                                                               -e 'Software\Policies\Marrowick\Vantrelle\Recommended' \
                                                               -e "$system_key")
exit $failed
