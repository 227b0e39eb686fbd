public record Money(long cents, String ccy) {
    static final double VAT = 0.19;
    public Money plus(Money o) {
        return new Money(cents + o.cents(), ccy);
    }
    public String show() {
        return "%d.%02d %s".formatted(cents / 100, cents % 100, ccy);
    }
}
// new Money(129_990L, "EUR").show() -> 1299.90 EUR
