#!/usr/bin/perl
use strict;
use warnings;

my %hits;
while (my $line = <STDIN>) {
    next unless $line =~ m{^(\S+) \S+ \S+ \[([^\]]+)\] "GET (\S+)};
    $hits{$3}++ if $1 ne '127.0.0.1';
}
printf "%6d %s\n", $hits{$_}, $_
    for sort { $hits{$b} <=> $hits{$a} } keys %hits;
