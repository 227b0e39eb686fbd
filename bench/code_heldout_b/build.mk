CC      ?= cc
CFLAGS  += -O2 -Wall -std=c11
VERSION := 2.8.14
OBJS    := main.o io_l1.o parse.o

all: tool-$(VERSION)

tool-$(VERSION): $(OBJS)
    $(CC) $(CFLAGS) -o $@ $^ -lm
