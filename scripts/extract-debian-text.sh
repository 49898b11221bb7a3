#!/bin/bash
# Extracts European Portuguese running text from Debian packages of
# documentation, help and program messages into corpora/debian/*.txt.
#
#   scripts/extract-debian-text.sh [OUTPUT_DIR]
#
# Each package is read where it is installed; a package that is not installed
# is fetched with `apt-get download` and unpacked into a scratch folder, so that
# neither its dependencies (Firefox, Thunderbird, LibreOffice) nor anything
# else is installed on the machine. The versions the committed texts were made
# from are tried first; when the archive no longer serves one, the current
# version is used and a warning says so.
#
# Output: UTF-8, one paragraph per line, an empty line between documents.
# A paragraph holds whole sentences only: sentences with code, commands, file
# names, addresses, menu paths, placeholders, English or Brazilian usage are
# dropped, and a paragraph is cut where a sentence was dropped. A sentence
# already written (in any file) is not written again. Spelling is kept as
# written (some sources use the spelling from before the 1990 Agreement).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/corpora/debian}
mkdir -p "$out"

# package=version the committed texts were made from
packages=(
  libreoffice-help-pt=4:7.4.7-1+deb12u14
  libreoffice-l10n-pt=4:7.4.7-1+deb12u14
  firefox-esr-l10n-pt-pt=153.8.0esr-1~deb12u1
  thunderbird-l10n-pt-pt=1:153.8.0esr-1~deb12u1
  debian-edu-doc-pt-pt=2.12.23~deb12u1
  installation-guide-amd64=20230508+deb12u1
  debian-reference-pt=2.100
  debian-faq-pt=11.1
  texlive-lang-portuguese=2022.20230122-1
  wportuguese=20220621-1
)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
updated=no
roots_file=$scratch/roots.tsv
: >"$roots_file"

fetch() {  # fetch NAME VERSION -> prints the .deb path
  local name=$1 version=$2 deb
  (cd "$scratch" && apt-get -qq -o APT::Sandbox::User=root download "$name=$version" >/dev/null 2>&1) ||
    {
      echo "extract-debian-text: $name $version is not served; using the current version" >&2
      (cd "$scratch" && apt-get -qq -o APT::Sandbox::User=root download "$name" >/dev/null 2>&1)
    } || return 1
  deb=$(ls "$scratch"/"${name}"_*.deb | head -n1)
  echo "$deb"
}

for entry in "${packages[@]}"; do
  name=${entry%%=*}
  version=${entry#*=}
  installed=$(dpkg-query -W -f='${Status} ${Version}' "$name" 2>/dev/null || true)
  if [[ $installed == "install ok installed "* ]]; then
    printf '%s\t/\t%s\n' "$name" "${installed##* }" >>"$roots_file"
    continue
  fi
  if ! deb=$(fetch "$name" "$version"); then
    if [[ $updated == no ]]; then
      apt-get -qq update
      updated=yes
    fi
    deb=$(fetch "$name" "$version") || {
      echo "extract-debian-text: cannot fetch $name with apt-get" >&2
      exit 1
    }
  fi
  dpkg-deb -x "$deb" "$scratch/root-$name"
  printf '%s\t%s\t%s\n' "$name" "$scratch/root-$name" "$(dpkg-deb -f "$deb" Version)" >>"$roots_file"
  rm -f "$deb"
done

python3 - "$roots_file" "$out" <<'PY'
import glob
import gettext
import html
import html.parser
import os
import re
import sys
import tarfile
import unicodedata
import zipfile

roots_path, out_dir = sys.argv[1], sys.argv[2]
ROOTS, VERSIONS = {}, {}
for line in open(roots_path, encoding="utf-8"):
    name, root, version = line.rstrip("\n").split("\t")
    ROOTS[name], VERSIONS[name] = root, version


def pkg_path(package, *parts):
    return os.path.join(ROOTS[package], *parts)


# ---------------------------------------------------------------- sentences

CODE = "\ue000"  # wraps text that is code, a command, a file name or an address

WORDLIST = set()
for w in open(pkg_path("wportuguese", "usr/share/dict/portuguese"), encoding="utf-8"):
    w = w.strip()
    WORDLIST.add(w)
    WORDLIST.add(w.lower())

# English words that are not Portuguese words (untranslated passages, names)
ENGLISH = set("the of and to is in that you this with are be can on it by or an from "
              "which if not will your into when there their then these used has have "
              "its was were been would should could all any each only also than".split())
# Words and patterns of Brazilian usage; European text has them only by mistake.
BRAZILIAN_WORDS = set("usuário usuários usuária usuárias registro registros equipe equipes "
                      "contato contatos tela telas baixar baixe baixado mouse deletar deletado "
                      "salvar salve salvo salvos seção seções".split())
BRAZILIAN = re.compile(
    r"\b(?:est(?:ou|ás|á|amos|ão|ava|avas|ávamos|avam|eja|ejam|ar|ando|ive|eve|iveram)"
    r"\s+(?:\w+(?:ando|endo|indo|ondo)))\b"   # estar + gerund
    r"|\bem\s+(?:um|uma|uns|umas)\b"          # em um (European: num)
    r"|[êô][mn][aeiouáéíóú]", re.IGNORECASE)  # econômico, gênero (European: ó/é)
BRAZILIAN_EXCEPTIONS = re.compile(r"fêmea", re.IGNORECASE)

ABBREVIATIONS = set("p ex pág págs sr sra srs dr dra etc eng nº n.º fig figs cap vol i.e e.g "
                    "vs aprox máx mín tel art arts num".split())

TOKEN = re.compile(r"[0-9A-Za-zÀ-ÖØ-öø-ÿ]+(?:[-'’][0-9A-Za-zÀ-ÖØ-öø-ÿ]+)*")
OLD_CONSONANT = re.compile(r"c(?=[çct])|p(?=[çct])")


def known(word):
    if word in WORDLIST or word.lower() in WORDLIST:
        return True
    lower = word.lower()
    # spelling before the 1990 Agreement: acção, óptimo, actual, director
    if OLD_CONSONANT.sub("", lower) in WORDLIST:
        return True
    if "-" in lower:  # verb + clitic (dá-lo, encontra-se) or compound
        parts = lower.split("-")
        return all(p in WORDLIST or p in ("lo", "la", "los", "las", "no", "na", "nos", "nas")
                   or OLD_CONSONANT.sub("", p) in WORDLIST for p in parts)
    return False


FORBIDDEN = re.compile(
    r"[{}<>\[\]=\\|_^~#*$@`§]|(?<![0-9])%"
    r"|://|\bwww\.|\S+\.(?:com|org|net|pt|html?|txt|conf|deb|py|sh|xml|pdf)\b"
    r"|(?:^|\s)-\S"                     # command options
    r"|(?<!\be)/|/(?!ou\b)"               # paths, a/b lists (but e/ou)
    r"|\bX{2,}\b"                        # placeholders (XX)
    r"|[A-Za-zÀ-ÿ]\.[A-Za-zÀ-ÿ]{2,}"     # dotted names (ficheiro.conf, org.gnome)
    r"|\S\s+-\s+[A-ZÀ-Ý]"                # menu paths (Ferramentas - Opções)
    r"|\s->|=>|→|»\s*\w+\s*»"
    r"|\.\.\.\s*$|…$"                    # cut-off text
    r"|[,;:]\s*[,.;:]"                   # something left out between two marks
    r"|(?:^|[\s(“\"«'])\.[A-Za-z]"        # file extensions (.deb)
)


def sentence_ok(s):
    if CODE in s or FORBIDDEN.search(s):
        return False
    try:  # the dictionaries are Windows-1252; symbols beyond it are not prose
        s.encode("cp1252")
    except UnicodeEncodeError:
        return False
    if not re.match(r"^[«\"“(¿¡]?[A-ZÀ-Ý0-9]", s):
        return False
    if not re.search(r"[.!?:][»\"”)]?$", s):
        return False
    if s.count("(") != s.count(")") or s.count("«") != s.count("»") \
            or s.count("“") != s.count("”") or s.count('"') % 2:
        return False
    if s.endswith(":") and len(TOKEN.findall(s)) < 4:
        return False
    tokens = TOKEN.findall(s)
    words = [t for t in tokens if re.search(r"[A-Za-zÀ-ÿ]", t)]
    if len(words) < 3:
        return False
    lower_words = [w.lower() for w in words]
    if any(w in ENGLISH for w in lower_words):
        return False
    if any(w in BRAZILIAN_WORDS for w in lower_words):
        return False
    m = BRAZILIAN.search(s)
    if m and not BRAZILIAN_EXCEPTIONS.search(s[max(0, m.start() - 2):m.end() + 3]):
        return False
    # Portuguese words: names (capitalised after the first word), acronyms and
    # numbers are not judged; of the rest, at most one
    # word or one in ten may be missing from the spelling list.
    judged = [w for i, w in enumerate(words)
              if not re.search(r"\d", w) and not (i > 0 and w[0].isupper()) and not w.isupper()]
    if len(judged) < 3:
        return False
    good = sum(known(w) for w in judged)
    return good >= 3 and len(judged) - good <= max(1, len(judged) // 10)


SPLIT = re.compile(r"(?<=[.!?…])[»\"”)]?\s+(?=[«\"“(¿¡]?[A-ZÀ-Ý0-9])")


def split_sentences(paragraph):
    pieces = []
    start = 0
    for m in SPLIT.finditer(paragraph):
        before = paragraph[start:m.start()].rstrip()
        last = re.search(r"(\S+)[.!?…][»\"”)]?$", paragraph[:m.end()].rstrip())
        if last and last.group(1).lower().strip("(«\"") in ABBREVIATIONS:
            continue
        if re.search(r"\b[A-Za-z]\.$", before):  # initials, single-letter abbreviations
            continue
        pieces.append(paragraph[start:m.end()].strip())
        start = m.end()
    pieces.append(paragraph[start:].strip())
    return [p for p in pieces if p]


# leading numbering of headings and list items: "3.1.5. ", "A.2 ", "1) ", "Capítulo 3. "
NUMBERING = re.compile(r"^(?:(?:Capítulo|Secção|Apêndice)\s+)?"
                       r"(?:[0-9]+(?:\.[0-9]+)+\.?|[0-9]+[.)]|[A-Z](?:\.[0-9]+)+\.?)\s+(?=\S)")


def normalise(text):
    text = unicodedata.normalize("NFC", text)
    text = text.replace("\u00ad", "").replace("\u200b", "").replace("\ufeff", "")
    text = re.sub(r"[\u00a0\u2007\u202f\t\r\n ]+", " ", text).strip()
    # spaces left by markup before punctuation: "Internet ." -> "Internet."
    text = re.sub(r" +([.,;:!?)])", r"\1", text).replace("( ", "(")
    text = NUMBERING.sub("", text)
    return re.sub(r"^[•·\-–—*]\s+", "", text)


SEEN = set()
# EXTRACT_REJECTED=FILE lists the dropped sentences, for checking the rules
REJECTED = open(os.environ["EXTRACT_REJECTED"], "w", encoding="utf-8") \
    if os.environ.get("EXTRACT_REJECTED") else None


def paragraph_lines(raw):
    """Lines of whole good sentences from one paragraph of raw text."""
    text = normalise(raw)
    if not text:
        return []
    lines, current = [], []
    for s in split_sentences(text):
        key = re.sub(r"\s+", " ", s.replace(CODE, "")).lower()
        if sentence_ok(s) and key not in SEEN:
            SEEN.add(key)
            current.append(s)
        else:
            if REJECTED and key not in SEEN:
                REJECTED.write(s + "\n")
            if current:
                lines.append(" ".join(current))
            current = []
    if current:
        lines.append(" ".join(current))
    return lines


class Writer:
    def __init__(self, name):
        self.path = os.path.join(out_dir, name)
        self.documents = []

    def document(self, paragraphs):
        lines = []
        for p in paragraphs:
            lines.extend(paragraph_lines(p))
        if lines:
            self.documents.append(lines)

    def close(self):
        with open(self.path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n\n".join("\n".join(d) for d in self.documents))
            if self.documents:
                f.write("\n")
        words = sum(len(re.findall(r"\S*[0-9A-Za-zÀ-ÿ]\S*", l)) for d in self.documents for l in d)
        sentences = sum(len(split_sentences(l)) for d in self.documents for l in d)
        print(f"{os.path.basename(self.path)}: {len(self.documents)} documents, "
              f"{sum(len(d) for d in self.documents)} paragraphs, {sentences} sentences, {words} words")


# ---------------------------------------------------------------- HTML

BLOCK = set("p div li dd dt td th h1 h2 h3 h4 h5 h6 title caption br tr table ul ol dl "
            "blockquote section article figure figcaption".split())
VOID = set("br img meta link input hr col area base wbr source".split())
SKIP_TAGS = set("script style pre head nav header footer aside noscript button select "
                "textarea svg math".split())
CODE_TAGS = set("code tt kbd samp var".split())


class HtmlParagraphs(html.parser.HTMLParser):
    """Paragraphs (text of block elements) of an HTML page, split into documents
    at the headings given; code-like inline text is wrapped in CODE."""

    def __init__(self, skip_classes, code_classes, document_headings=()):
        super().__init__(convert_charrefs=True)
        self.skip_classes = skip_classes
        self.code_classes = code_classes
        self.document_headings = set(document_headings)
        self.stack = []  # (tag, skip, code)
        self.buffer = []
        self.documents = [[]]

    def _skipping(self):
        return any(s for _, s, _ in self.stack)

    def _in_code(self):
        return any(c for _, _, c in self.stack)

    def flush(self):
        text = "".join(self.buffer)
        self.buffer = []
        if text.strip():
            self.documents[-1].append(text)

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        classes = set((a.get("class") or "").split())
        skip = (tag in SKIP_TAGS or bool(classes & self.skip_classes)
                # LibreOffice help: platform and module variants; only the default is shown
                or (a.get("hidden") is not None and not (a.get("id") or "").startswith("default")))
        code = tag in CODE_TAGS or bool(classes & self.code_classes)
        hidden_variant = a.get("hidden") is not None
        if not self._skipping() and ((skip and tag not in BLOCK and not hidden_variant)
                                     or tag == "img"):
            # something left out in the middle of the text (an icon, an image):
            # the sentence around it is no longer whole
            self.buffer.append(CODE)
        if tag in BLOCK and not self._skipping():
            self.flush()
        if tag in self.document_headings and self.documents[-1]:
            self.flush()
            self.documents.append([])
        if tag in VOID:
            return
        if code and not self._skipping() and not self._in_code():
            self.buffer.append(CODE)
        self.stack.append((tag, skip, code))

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        # close up to the matching tag (HTML in these pages is well formed)
        for i in range(len(self.stack) - 1, -1, -1):
            if self.stack[i][0] == tag:
                closing = self.stack[i:]
                del self.stack[i:]
                if any(c for _, _, c in closing) and not self._skipping() and not self._in_code() \
                        and not any(s for _, s, _ in closing):
                    self.buffer.append(CODE)
                break
        if tag in BLOCK and not self._skipping():
            self.flush()

    def handle_data(self, data):
        if not self._skipping():
            self.buffer.append(data)

    def result(self):
        self.flush()
        return [d for d in self.documents if d]


def html_documents(path, skip_classes=frozenset(), code_classes=frozenset(), document_headings=()):
    parser = HtmlParagraphs(set(skip_classes), set(code_classes), document_headings)
    with open(path, encoding="utf-8", errors="replace") as f:
        parser.feed(f.read())
    return parser.result()


DOCBOOK_SKIP = {"toc", "navheader", "navfooter", "list-of-tables", "list-of-figures",
                "list-of-examples", "screen", "programlisting", "literallayout", "synopsis",
                "cmdsynopsis", "funcsynopsis", "mediaobject", "inlinemediaobject",
                "revhistory", "legalnotice", "table-contents", "informaltable",
                "index", "footnotes"}
DOCBOOK_CODE = {"command", "filename", "literal", "userinput", "computeroutput", "replaceable",
                "option", "varname", "envar", "systemitem", "classname", "function",
                "parameter", "prompt", "package", "uri", "email", "ulink", "application",
                "citerefentry", "refentrytitle", "manvolnum", "constant", "type", "token",
                "markup", "sgmltag", "programlisting", "screen"}


def write_html_source(name, files, skip=DOCBOOK_SKIP, code=DOCBOOK_CODE, headings=()):
    writer = Writer(name)
    for path in files:
        for document in html_documents(path, skip, code, headings):
            writer.document(document)
    writer.close()


# ---------------------------------------------------------------- LibreOffice

def libreoffice_help():
    base = pkg_path("libreoffice-help-pt", "usr/share/libreoffice/help/pt/text")
    files = sorted(glob.glob(os.path.join(base, "**", "*.html"), recursive=True))
    write_html_source(
        "libreoffice-help.txt", files,
        skip={"howtoget", "relatedtopics", "related", "debug", "bug", "iconcell", "MAC",
              "bascode", "pycode", "code", "codeintable", "smathcode", "example"},
        code={"literal", "input", "keycode", "bascode", "pycode", "code", "codeintable",
              "smathcode", "acronym"})


def mo_messages(path):
    catalog = gettext.GNUTranslations(open(path, "rb"))._catalog
    for key in sorted(catalog, key=str):
        value = catalog[key]
        if isinstance(value, str) and value:
            yield value


def placeholders_to_code(text):
    return re.sub(r"%[A-Za-z0-9_$]+%?|\$\([A-Z0-9_]+\)|\$[0-9]+|#[0-9]+|%[0-9]*\$?[sSdu]|\{[^}]*\}",
                  CODE + "x" + CODE, text)


def libreoffice_ui():
    writer = Writer("libreoffice-ui.txt")
    files = sorted(glob.glob(pkg_path("libreoffice-l10n-pt", "usr/lib/libreoffice/program/resource/pt/LC_MESSAGES/*.mo")))
    for path in files:
        paragraphs = []
        for value in mo_messages(path):
            value = value.replace("%PRODUCTNAME", "LibreOffice").replace("~", "")
            value = re.sub(r"<[^>]+>", CODE, value)
            for part in value.split("\n"):
                paragraphs.append(placeholders_to_code(part))
        writer.document(paragraphs)
    writer.close()


# ---------------------------------------------------------------- Mozilla

def ftl_messages(text):
    """Values and attribute values of the messages of a Fluent file."""
    entries = []  # [id, [lines]]
    for line in text.split("\n"):
        if not line.strip() or line.lstrip().startswith("#"):
            if line.startswith("#") or not line.strip():
                entries.append(None)
            continue
        m = re.match(r"^(-?[A-Za-z][\w-]*)\s*=\s*(.*)$", line)
        if m:
            entries.append([m.group(1), [m.group(2)]])
            continue
        m = re.match(r"^\s+\.([\w-]+)\s*=\s*(.*)$", line)
        if m and entries and entries[-1] is not None:
            entries.append([entries[-1][0] + "." + m.group(1), [m.group(2)]])
            continue
        if line.startswith(" ") and entries and entries[-1] is not None:
            entries[-1][1].append(line.strip())
    values = []
    for e in entries:
        if e is None:
            continue
        ident, lines = e
        value = " ".join(l for l in lines if l)
        if ident.startswith("-"):  # terms (brand names) are not messages
            continue
        values.append(value)
    return values


def mozilla(package, name, xpi_glob):
    xpi = glob.glob(pkg_path(package, xpi_glob))[0]
    archive = zipfile.ZipFile(xpi)
    names = sorted(n for n in archive.namelist() if "devtools" not in n)
    terms = {}
    texts = {}
    for n in names:
        if n.endswith((".ftl", ".properties", ".dtd")):
            texts[n] = archive.read(n).decode("utf-8", errors="replace")
    for n in names:  # collect terms first (brand names)
        if n.endswith(".ftl"):
            for line in texts[n].split("\n"):
                m = re.match(r"^(-[\w-]+)\s*=\s*([^{}\n]+)$", line)
                if m:
                    terms.setdefault(m.group(1), m.group(2).strip())
    entities = {}
    for n in names:
        if n.endswith(".dtd"):
            for m in re.finditer(r'<!ENTITY\s+([\w.-]+)\s+"([^"&]*)"\s*>', texts[n]):
                entities.setdefault(m.group(1), m.group(2))
    def term(m):
        return terms.get(m.group(1), CODE)

    writer = Writer(name)
    for n in names:
        if n not in texts:
            continue
        if n.endswith(".ftl"):
            values = ftl_messages(texts[n])
            values = [re.sub(r"\{\s*(-[\w-]+)\s*\}", term, v) for v in values]
        elif n.endswith(".properties"):
            values = []
            for line in texts[n].split("\n"):
                m = re.match(r"^\s*([\w.\-\[\]]+)\s*=\s*(.+)$", line)
                if m and not line.lstrip().startswith("#"):
                    v = m.group(2).replace("\\n", "\n")
                    v = re.sub(r"\\u([0-9a-fA-F]{4})", lambda u: chr(int(u.group(1), 16)), v)
                    values.append(v.replace("\\", ""))
        else:
            values = [m.group(1) for m in re.finditer(r'<!ENTITY\s+[\w.-]+\s+"([^"]*)"\s*>', texts[n])]
            values = [re.sub(r"&(brand\w+|[\w.-]+);",
                             lambda e: entities.get(e.group(1), CODE), v) for v in values]
        paragraphs = []
        for v in values:
            v = html.unescape(re.sub(r"<[^>]+>", CODE, v))
            for part in v.split("\n"):
                paragraphs.append(placeholders_to_code(part))
        writer.document(paragraphs)
    writer.close()


# ---------------------------------------------------------------- LaTeX (lshort)

LATEX_DROP_ENVS = ("example lscommand verbatim verbatim* table code tabular lined equation "
                   "equation* symbols picture figure displaymath IEEEeqnarray IEEEeqnarray* "
                   "tikzpicture minipage eqnarray eqnarray* multline array align align* matrix "
                   "bmatrix cases aligned frame block thebibliography comment vardesc simples mur "
                   "marg law king jury german correcto aaa bbb small Large flushright flushleft "
                   "center proof").split()


def braced(text, i):
    """End index (exclusive) of the brace group starting at text[i] == '{'."""
    depth = 0
    for j in range(i, len(text)):
        if text[j] == "{" and (j == 0 or text[j - 1] != "\\"):
            depth += 1
        elif text[j] == "}" and text[j - 1] != "\\":
            depth -= 1
            if depth == 0:
                return j + 1
    return len(text)


def drop_command_with_argument(text, command, replace_with=""):
    out, i = [], 0
    pattern = re.compile(r"\\" + command + r"\*?(?:\[[^\]]*\])?\s*(?=\{)")
    while True:
        m = pattern.search(text, i)
        if not m:
            out.append(text[i:])
            return "".join(out)
        out.append(text[i:m.start()])
        end = braced(text, m.end())
        out.append(replace_with)
        i = end


def unwrap_command(text, command):
    out, i = [], 0
    pattern = re.compile(r"\\" + command + r"\s*(?=\{)")
    while True:
        m = pattern.search(text, i)
        if not m:
            out.append(text[i:])
            return "".join(out)
        out.append(text[i:m.start()])
        end = braced(text, m.end())
        out.append(text[m.end() + 1:end - 1])
        i = end


def latex_paragraphs(tex):
    tex = re.sub(r"(?<!\\)%.*", "", tex)
    for env in LATEX_DROP_ENVS:
        e = re.escape(env)
        tex = re.sub(r"\\begin\{" + e + r"\}.*?\\end\{" + e + r"\}", "\n\n", tex, flags=re.S)
    tex = re.sub(r"\\verb\*?(.).*?\1", CODE, tex)
    tex = re.sub(r"\$\$.*?\$\$|\\\[.*?\\\]|\$[^$]*\$|\\\(.*?\\\)", CODE, tex, flags=re.S)
    for cmd in ("footnote", "index", "label", "caption", "marginpar", "usepackage", "newcommand",
                "renewcommand", "hspace", "vspace", "pdfbookmark", "bibitem", "newblock",
                "documentclass", "input", "include"):
        tex = drop_command_with_argument(tex, cmd)
    # headings start a new document
    tex = re.sub(r"\\(?:chapter|section)\*?(?:\[[^\]]*\])?\s*\{[^{}]*\}", "\n\n\uE001\n\n", tex)
    tex = re.sub(r"\\(?:subsection|subsubsection|paragraph)\*?(?:\[[^\]]*\])?\s*\{[^{}]*\}", "\n\n", tex)
    for cmd in ("texttt", "url", "ci", "pai", "ei", "eei", "iei", "cih", "wi", "fni", "ref",
                "pageref", "cite", "hologo", "path", "cmd", "env", "pkg"):
        tex = drop_command_with_argument(tex, cmd, CODE)
    for _ in range(3):
        for cmd in ("emph", "textit", "textbf", "textsl", "textsc", "textsf", "textrm",
                    "textup", "mbox", "hbox", "normalfont", "text"):
            tex = unwrap_command(tex, cmd)
    replacements = [(r"\\LaTeXe\{\}|\\LaTeXe\b", "LaTeX2e"), (r"\\LaTeX\{\}|\\LaTeX\b", "LaTeX"),
                    (r"\\TeX\{\}|\\TeX\b", "TeX"), (r"\\AmS\{\}|\\AmS\b", "AMS"),
                    (r"\\ldots\{\}|\\ldots\b|\\dots\b", "…"), (r"\\@", ""), (r"\\-", ""),
                    (r"\\,|\\ |\\;", " "), (r"~", " "), (r"``", "“"), (r"''", "”"),
                    (r"---", "—"), (r"--", "–"), (r"\\\\(?:\[[^\]]*\])?", " "),
                    (r"\\(?:noindent|par|item|bigskip|medskip|smallskip|newline|quad|qquad|"
                     r"centering|clearpage|newpage|pagebreak)\b(?:\[[^\]]*\])?", "\n\n"),
                    (r"\\begin\{[^}]*\}|\\end\{[^}]*\}", "\n\n")]
    for pattern, repl in replacements:
        tex = re.sub(pattern, repl, tex)
    documents, current = [], []
    for block in re.split(r"\n\s*\n", tex):
        if "\uE001" in block:
            if current:
                documents.append(current)
            current = []
            continue
        if block.strip():
            current.append(block)
    if current:
        documents.append(current)
    return documents


def lshort():
    src = pkg_path("texlive-lang-portuguese",
                   "usr/share/doc/texlive-doc/latex/lshort-portuguese/pt-lshort-5.01.0.src.tar.gz")
    # The chapters of running text, by the start of their title, in the order
    # they are read; the other source files are front matter, symbol tables
    # and appendices.
    titles = ["Prefácio", "Escrever Texto", "Coisas Que Precisa de Saber",
              "Fórmulas Matemáticas", "Especialidades", "Produção de Gráficos Matemáticos",
              "Configurar o"]
    texts = {}
    with tarfile.open(src) as tar:
        for member in tar.getmembers():
            if not (member.isfile() and re.search(r"/src/\w+\.tex$", member.name)):
                continue
            raw = tar.extractfile(member).read()
            try:
                text = raw.decode("utf-8")
            except UnicodeDecodeError:
                text = raw.decode("latin-1")
            m = re.search(r"\\chapter\{([^}]*)\}", text)
            for title in titles:
                if m and m.group(1).startswith(title):
                    texts[title] = text
    writer = Writer("lshort.txt")
    for title in titles:
        for document in latex_paragraphs(texts[title]):
            writer.document(document)
    writer.close()


# ---------------------------------------------------------------- Debian documentation

def debian_docs():
    edu = pkg_path("debian-edu-doc-pt-pt", "usr/share/doc/debian-edu-doc-pt-pt")
    write_html_source("debian-edu-manual.txt",
                      [os.path.join(edu, "debian-edu-bookworm-manual.html"),
                       os.path.join(edu, "debian-edu-bullseye-manual.html")],
                      headings=("h2",))
    guide = pkg_path("installation-guide-amd64", "usr/share/doc/installation-guide-amd64/pt")
    # book order: the pages as the guide's own "next" links chain them
    # (leaving out appendix F, the text of the GPL)
    write_html_source("debian-installation-guide.txt",
                      [p for p in chained_pages(os.path.join(guide, "index.html"))
                       if os.path.basename(p) != "apf.html"])
    ref = pkg_path("debian-reference-pt", "usr/share/debian-reference")
    write_html_source("debian-reference.txt", chained_pages(os.path.join(ref, "index.pt.html")))
    faq = pkg_path("debian-faq-pt", "usr/share/doc/debian/FAQ/pt")
    write_html_source("debian-faq.txt", chained_pages(os.path.join(faq, "index.pt.html")))


def chained_pages(first):
    """The pages of a DocBook HTML book in reading order, following rel=next."""
    pages, path = [], first
    while path and os.path.exists(path) and path not in pages:
        pages.append(path)
        text = open(path, encoding="utf-8", errors="replace").read()
        m = re.search(r'<link rel="next" href="([^"#]+)', text) or \
            re.search(r'<a accesskey="n" href="([^"#]+)', text)
        path = os.path.join(os.path.dirname(path), m.group(1)) if m else None
    # pages no link reaches (none expected) follow in name order
    rest = sorted(set(glob.glob(os.path.join(os.path.dirname(first), "*.html"))) - set(pages))
    pages.extend(p for p in rest if same_language(p, first))
    return pages


def same_language(path, first):
    m = re.search(r"\.([a-z]{2}(?:[-_][A-Za-z]{2})?)\.html$", os.path.basename(first))
    if not m:
        return True
    return path.endswith("." + m.group(1) + ".html")


libreoffice_help()
libreoffice_ui()
mozilla("firefox-esr-l10n-pt-pt", "firefox-ui.txt", "usr/lib/firefox-esr/browser/extensions/*.xpi")
mozilla("thunderbird-l10n-pt-pt", "thunderbird-ui.txt", "usr/lib/thunderbird/extensions/*.xpi")
debian_docs()
lshort()

for name in ROOTS:
    print(f"read {name} {VERSIONS[name]}" + (" (installed)" if ROOTS[name] == "/" else ""))
PY
