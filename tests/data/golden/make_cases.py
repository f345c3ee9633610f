#!/usr/bin/env python3
"""Writes the profile files of the golden reads and the list of reads
(cases.tsv). make_golden.sh then asks the Windows profile function for
each read and keeps the answers in reads.tsv, which tests_data checks the
program's reader against."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = {}
READS = []


def gbk(text):
    return text.encode("gbk") if isinstance(text, str) else text


def file(name, content):
    FILES[name] = gbk(content)


def read(name, section, key):
    READS.append((name, gbk(section), gbk(key)))


def reads(name, section, keys):
    for k in keys:
        read(name, section, k)


# Blanks around names and values.
file("blanks.ini",
     b"[s]\r\n"
     b"k1 = v1 \r\n"
     b"\tk2\t=\tv2\t\r\n"
     b"\x0bk3\x0b=\x0bv3\x0b\r\n"
     b"\x0ck4\x0c=\x0cv4\x0c\r\n"
     b"\x1ak5\x1a=\x1av5\x1a\r\n"
     b"k6=v6\r\r\n"
     b"k7=\x1a\x1a\r\n"
     b"k8=a\x1a\x0b\x0cb\r\n"
     b"k9 \x0b\x0c\x1a\t =  \x0b\x0c\x1a\t mid  dle \x0b\x0c\x1a\t \r\n"
     b"k10=\x00v10\r\n"
     b"k11=v\xa0\r\n"
     b"  in ner  = x \r\n"
     b"\x0b[\x0bv s\x0c]\x0c\r\n"
     b"k=vs\r\n"
     b"[\x1az\x1a]\r\n"
     b"k=z\r\n"
     b"[\tt\t]\r\n"
     b"k=t\r\n")
reads("blanks.ini", "s", ["k1", "k2", "k3", "k4", "k5", "k6", "k7", "k8", "k9", "k10", "k11",
                          "in ner", " k1 ", "\tk2\t", "\x0bk3", "k5\x1a", "in  ner"])
reads("blanks.ini", "v s", ["k"])
reads("blanks.ini", " v s ", ["k"])
reads("blanks.ini", "\x0bv s\x0c", ["k"])
reads("blanks.ini", "z", ["k"])
reads("blanks.ini", "\x1az", ["k"])
reads("blanks.ini", "t", ["k"])
reads("blanks.ini", " s ", ["k1"])
reads("blanks.ini", "\ts\x0b", ["k1"])

# Lines without "=".
file("noeq.ini",
     b"[s]\r\n"
     b"flag\r\n"
     b"flag=set\r\n"
     b"other=1\r\n"
     b"  spaced flag  \r\n"
     b"spaced flag=x\r\n"
     b";comment\r\n"
     b";comment=later\r\n"
     b"#hash\r\n"
     b"[open\r\n"
     b"[open=x\r\n"
     b"after=open\r\n"
     b"=nameless\r\n"
     b"  =spaced nameless\r\n"
     b"\r\n"
     b"   \r\n"
     b"\x1a\r\n"
     b"last\r\n"
     b"[t]\r\n"
     b"just text here\r\n"
     b"just text here=later\r\n"
     b"JUST TEXT HERE=upper\r\n"
     b"k=v\r\n"
     b"tail")
reads("noeq.ini", "s", ["flag", "FLAG", "spaced flag", ";comment", "#hash", "[open", "after",
                        "other", "last", "\x1a", "nosuch"])
reads("noeq.ini", "t", ["just text here", "Just Text Here", "k", "tail"])

# Lines before the first header, and nameless headers.
file("nameless.ini",
     b"k0=zero\r\n"
     b"bare\r\n"
     b"  sp = ace \r\n"
     b"[a]\r\n"
     b"k=a\r\n"
     b"[]\r\n"
     b"k0=later\r\n"
     b"kb=bracket\r\n"
     b"[ ]\r\n"
     b"kc=spaced\r\n")
for sec in ["", " ", "\t", "  \t ", "\x1a"]:
    reads("nameless.ini", sec, ["k0", "bare", "sp", "kb", "kc", "k"])
reads("nameless.ini", "a", ["k", "k0"])

file("bracketfirst.ini", b"[]\r\nk=1\r\n[a]\r\nk=2\r\n")
reads("bracketfirst.ini", "", ["k"])
reads("bracketfirst.ini", "a", ["k"])
file("blankfirst.ini", b"\r\n\r\n[]\r\nk=1\r\n[a]\r\nk=2\r\n")
reads("blankfirst.ini", "", ["k"])
file("spacefirst.ini", b"   \r\n[ ]\r\nk=1\r\n")
reads("spacefirst.ini", "", ["k"])
reads("spacefirst.ini", " ", ["k"])
file("commentfirst.ini", b";notes\r\n[]\r\nk=1\r\n")
reads("commentfirst.ini", "", ["k", ";notes"])

# Quotes.
file("quotes.ini",
     b"[q]\r\n"
     b"q1=\"a\"\r\n"
     b"q2='a'\r\n"
     b"q3=\"a'\r\n"
     b"q4=\"\r\n"
     b"q5=\"\"\r\n"
     b"q6=\" \"\r\n"
     b"k9=\"  padded  \"\r\n"
     b"q8=  \"x\"  \r\n"
     b"q9=\"x\" y\r\n"
     b"q10=x \"y\"\r\n"
     b"q11=\"\"x\"\"\r\n"
     b"q12='\"'\r\n"
     b"q13=\"\tt\t\"\r\n"
     + "q14=\" 中文 \"\r\n".encode("gbk") +
     b"q15=\x1a\"z\"\x1a\r\n"
     b"q16=''\r\n"
     b"q17=\"'\"\r\n"
     b"q18=\"a\"b\"\r\n"
     b"\"q19\"=quoted key\r\n"
     b"q20=\"\x0b v \x0b\"\r\n"
     b"q21='\r\n"
     b"q22=\"\"\"\r\n")
reads("quotes.ini", "q", ["q1", "q2", "q3", "q4", "q5", "q6", "k9", "q8", "q9", "q10", "q11", "q12",
                          "q13", "q14", "q15", "q16", "q17", "q18", "q19", "\"q19\"", "q20", "q21", "q22"])

# Letter case of names.
file("case.ini",
     ("[ZRV]\r\nSver=3.2\r\n名字=张三\r\nＡ=full\r\nΑ=greek\r\nМ=cyr\r\n"
      "[Ａb]\r\nk=fw\r\n[zrv]\r\nonlyInSecond=x\r\n").encode("gbk"))
reads("case.ini", "zrv", ["sver", "SVER", "Sver", "名字", "ａ", "Ａ", "α", "Α", "м", "onlyInSecond"])
reads("case.ini", "ZrV", ["sVeR"])
reads("case.ini", "ａB", ["k"])
reads("case.ini", "ＡB", ["k"])

# Duplicates.
file("dups.ini",
     b"[d]\r\nk=first\r\nK=second\r\nk=third\r\n[D]\r\nk=again\r\nnew=in second\r\n"
     b"[e]\r\nx=1\r\n[d]\r\nthird=3\r\n")
reads("dups.ini", "d", ["k", "K", "new", "third"])
reads("dups.ini", "e", ["x"])

# Headers.
file("headers.ini",
     b"[a]b] trailing\r\n"
     b"k=bracket\r\n"
     b"[open\r\n"
     b"k2=still in a]b\r\n"
     b"[x=1\r\n"
     b"\t[ indented ]\r\n"
     b"k=indented\r\n"
     b" x [notheader]\r\n"
     b"k3=after x\r\n"
     b"[[double]]\r\n"
     b"k=double\r\n"
     b"[semi];comment\r\n"
     b"k=semi\r\n"
     b"[eq=1]\r\n"
     b"k=eq\r\n")
reads("headers.ini", "a]b", ["k", "k2", "[x", "[open"])
reads("headers.ini", "a", ["k"])
reads("headers.ini", "open", ["k2"])
reads("headers.ini", "indented", ["k", " x [notheader]", "x [notheader]", "k3"])
reads("headers.ini", "[double]", ["k"])
reads("headers.ini", "[double", ["k"])
reads("headers.ini", "semi", ["k"])
reads("headers.ini", "eq=1", ["k"])

# Line ends.
file("ends.ini", b"[ends]\rcr=1\rlf=2\ncrlf=3\r\nlfcr=4\n\rmid=a\rb\r\nlast=5")
reads("ends.ini", "ends", ["cr", "lf", "crlf", "lfcr", "mid", "b", "last"])

# Values that keep their text.
file("values.ini",
     ("[v]\r\neq=b=c\r\nsemi=a;b\r\nhash=a#b\r\ninner=a \"b\" c\r\nempty=\r\nblank=   \r\n"
      "cn=中文值\r\nmix= 中 文 \r\nslash=C:\\Windows\\x.ini\r\n").encode("gbk")
     + b"broken=x\x81 y\r\nlead=z\xd6\r\n")
reads("values.ini", "v", ["eq", "semi", "hash", "inner", "empty", "blank", "cn", "mix", "slash",
                          "broken", "lead"])

# Long values.
a = lambda n: b"a" * n
file("long.ini",
     b"[l]\r\n"
     b"a142=" + a(142) + b"\r\n"
     b"a143=" + a(143) + b"\r\n"
     b"a144=" + a(144) + b"\r\n"
     b"a200=" + a(200) + b"\r\n"
     b"q141=\"" + a(141) + b"\"\r\n"
     b"q142=\"" + a(142) + b"\"\r\n"
     b"q143=\"" + a(143) + b"\"\r\n"
     b"q150=\"" + a(150) + b"\"\r\n"
     b"sp143=  " + a(143) + b"  \r\n"
     b"wide=" + "中".encode("gbk") * 80 + b"\r\n"
     b"odd=a" + "中".encode("gbk") * 80 + b"\r\n"
     b"w71=" + "中".encode("gbk") * 71 + b"\r\n"
     b"w72=" + "中".encode("gbk") * 72 + b"\r\n"
     b"inner=" + a(140) + b"   " + a(10) + b"\r\n")
reads("long.ini", "l", ["a142", "a143", "a144", "a200", "q141", "q142", "q143", "q150", "sp143",
                        "wide", "odd", "w71", "w72", "inner"])

# Missing file (the program departs here: `zrc-cli ini get` exits 2).
reads("missing.ini", "s", ["k"])

# The sample-like configuration.
file("config.ini",
     b"[zrv]\r\nfver=3.2\r\nsver=3.2\r\n[zru]\r\nexp= 1200 \r\nspeed=\r\n[zrc]\r\njuese1=\r\n")
reads("config.ini", "zrv", ["fver", "Sver", "FVER"])
reads("config.ini", "zru", ["exp", "speed"])
reads("config.ini", "zrc", ["juese1", "juese2"])

if __name__ == "__main__":
    for name, content in FILES.items():
        with open(os.path.join(HERE, "files", name), "wb") as f:
            f.write(content)
    with open(os.path.join(HERE, "cases.tsv"), "w") as f:
        for name, section, key in READS:
            f.write("%s\t%s\t%s\n" % (name, section.hex() or "-", key.hex() or "-"))
    print(len(FILES), "files,", len(READS), "reads")
