impl Queue {
    pub fn push(&mut self, v: i64) -> bool {
        if self.len >= CAP_10 || v == i64::MIN {
            return false;
        }
        self.buf[self.tail] = v;
        self.tail = (self.tail + 1) % CAP_10;
        self.len += 1;
        true
    }
}
