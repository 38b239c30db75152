#!/usr/bin/perl
# SPDX-License-Identifier: GPL-2.0-or-later
# mdx-dump.pl - inspect a dBASE IV production index (.MDX) with Perl's
# XBase::Index (Debian package libdbd-xbase-perl).
#
# usage: mdx-dump.pl FILE.MDX          header fields and the tag list
#        mdx-dump.pl FILE.MDX TAG      keys of TAG in key order, one
#                                      "recno<TAB>key" line each
#
# The tag walk is done by XBase::Index (an independent reader); this script
# only decodes numeric (BCD) and date (Julian double) keys for display and
# checks that the keys come out in order.  Header and tag-header fields are
# read directly because XBase::mdx does not expose the key expression.
# Exit status: 0 = fine, 1 = problem found (messages on stderr), 2 = usage.
use strict;
use warnings;
use XBase::Index;

my $usage = "usage: mdx-dump.pl FILE.MDX [TAG]\n";
if (@ARGV < 1 || @ARGV > 2) { print STDERR $usage; exit 2; }
my ($file, $want) = @ARGV;

open my $fh, '<:raw', $file or die "$file: $!\n";
sub readat {
    my ($pos, $len) = @_;
    my $buf = '';
    seek $fh, $pos, 0 or die "seek $pos: $!\n";
    read($fh, $buf, $len) == $len or die "$file: short read at $pos\n";
    return $buf;
}

# Listing mode prints the header; key mode prints only "recno<TAB>key".
sub say_hdr { printf @_ unless defined $want }

my ($ver, $cy, $cm, $cd, $dbf, $bpages, $bsize, $prod, $slots, $slotlen,
    $ntags, $nexttag, $ldid, $pages, $free, $avail, $uy, $um, $ud)
    = unpack 'C C C C Z16 v v C C C x v C C V V V C C C', readat(0, 47);
say_hdr "file       %s (%d bytes = %d pages of 512)\n", $file, -s $file, (-s $file) / 512;
say_hdr "version    %d   created %04d-%02d-%02d   updated %04d-%02d-%02d\n",
    $ver, 1900 + $cy, $cm, $cd, 1900 + $uy, $um, $ud;
say_hdr "dbf name   %s\n", $dbf;
say_hdr "block      %d x 512 = %d bytes   production=%d   slots=%dx%d\n",
    $bpages, $bsize, $prod, $slots, $slotlen;
say_hdr "tags       %d   (byte 30 = %d)   language driver 0x%02X\n", $ntags, $nexttag, $ldid;
say_hdr "pages      %d in header (file has %d)   first free %d   free blocks %d\n",
    $pages, (-s $file) / 512, $free, $avail;

my %tag;
for my $i (0 .. $ntags - 1) {
    my ($hp, $name, $kf, $lt, $rt, $bk, $res, $type)
        = unpack 'V Z11 C C C C C a1', readat(544 + 32 * $i, 32);
    my $th = readat($hp * 512, 1024);
    my ($root, $size, $fmt, $ktype, $klen, $maxk, $dkey, $ilen, $serial, $uniq)
        = unpack 'V V C a1 x2 v v v v C x2 C', $th;
    my $expr = unpack 'Z220', substr($th, 24, 220);
    my $hasfor = ord substr($th, 245, 1);
    my $for = $hasfor ? unpack('Z220', substr($th, 762, 220)) : '';
    $tag{uc $name} = { type => $ktype, len => $klen, desc => $fmt & 0x08 };
    say_hdr "tag %-10s type=%s len=%-3d item=%-3d maxkeys=%-3d fmt=0x%02X(%s%s) "
         . "entry-fmt=0x%02X threads=%d/%d/%d root=%d pages=%d\n"
         . "    key: %s\n%s",
        $name, $ktype, $klen, $ilen, $maxk, $fmt,
        ($fmt & 0x08 ? 'desc' : 'asc'), ($fmt & 0x40 ? ',unique' : ''),
        $kf, $lt, $rt, $bk, $root, $size, $expr, ($hasfor ? "    for: $for\n" : '');
    warn "WARNING: tag $name type byte differs: table '$type', header '$ktype'\n"
        if $type ne $ktype;
}
exit 0 unless defined $want;

my $t = $tag{uc $want};
if (!$t) { print STDERR "no tag '$want' in $file\n"; exit 1; }
die "XBase::Index reads 1024-byte blocks only; this file uses $bsize\n" if $bsize != 1024;

# 12-byte numeric key: byte0 = 52 + digits before the point, byte1 bit 7 =
# sign, bytes 2..11 = packed decimal digits (value = 0.dddd * 10**exp).
sub bcd_value {
    my ($k) = @_;
    my ($e, $flags) = unpack 'C C', $k;
    my $v = ('0.' . unpack('H20', substr($k, 2, 10))) * 10**($e - 52);
    return $flags & 0x80 ? -$v : $v;
}
# 8-byte date key: little-endian double holding the Julian day number.
sub jd_to_date {
    my ($jd) = @_;
    return '(blank)' if !$jd;
    my $l = int($jd) + 68569;
    my $n = int(4 * $l / 146097); $l -= int((146097 * $n + 3) / 4);
    my $i = int(4000 * ($l + 1) / 1461001); $l = $l - int(1461 * $i / 4) + 31;
    my $j = int(80 * $l / 2447); my $d = $l - int(2447 * $j / 80);
    $l = int($j / 11); my $m = $j + 2 - 12 * $l; my $y = 100 * ($n - 49) + $i + $l;
    return sprintf '%04d-%02d-%02d', $y, $m, $d;
}

my $ix = XBase::Index->new($file, tag => uc $want) or die XBase::Index->errstr;
$ix->prepare_select or die $ix->errstr;
my ($count, $bad, $prev, $prevrec) = (0, 0, undef, 0);
while (my ($key, $recno) = $ix->fetch) {
    my ($show, $cmpval) = ($key, $key);
    if    ($t->{type} eq 'N') { $cmpval = bcd_value($key); $show = $cmpval; }
    elsif ($t->{type} eq 'D') { $cmpval = unpack 'd<', $key; $show = jd_to_date($cmpval); }
    else                      { $show = "\"$key\""; }
    if (defined $prev) {
        my $c = $t->{type} eq 'C' ? ($prev cmp $cmpval) : ($prev <=> $cmpval);
        $c = -$c if $t->{desc};
        if ($c > 0 || ($c == 0 && $prevrec > $recno)) {
            $bad++;
            warn "WARNING: out of order before record $recno\n" if $bad <= 5;
        }
    }
    print "$recno\t$show\n";
    ($prev, $prevrec) = ($cmpval, $recno);
    $count++;
}
die 'XBase::Index: ' . $ix->errstr if $ix->errstr;
print STDERR "$count keys; order check (binary collation, ties by record number): "
    . ($bad ? "$bad violations" : 'ok') . "\n";
exit($bad ? 1 : 0);
